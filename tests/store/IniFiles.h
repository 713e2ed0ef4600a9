#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

// Raw access to a store's file, bypassing the store under test.
inline bool writeIniFile(const QString& fileName, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readIniFile(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What reached the disk, seen through a reader of its own rather than the store's memory.
inline QString onDisk(const QString& fileName, const QString& path) {
    return QSettings(fileName, QSettings::IniFormat).value(path, QStringLiteral("<absent>")).toString();
}
