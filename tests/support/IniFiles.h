#pragma once

#include "store/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

// What reached the disk, parsed afresh rather than taken from the store's memory: "Section/Key" in file order.
inline QStringList keysOnDisk(const QString& fileName) {
    QStringList keys;
    for (const velmora::IniDocument::Setting& setting :
         velmora::IniDocument::parse(readIniFile(fileName)).document.settings())
        keys << setting.section + u'/' + setting.key;
    return keys;
}

inline QString onDisk(const QString& fileName, const QString& path) {
    const velmora::IniDocument document = velmora::IniDocument::parse(readIniFile(fileName)).document;
    return document.value(path.section(u'/', 0, 0), path.section(u'/', 1)).value_or(QStringLiteral("<absent>"));
}
