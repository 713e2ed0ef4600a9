#pragma once

// A stand-in for the desktop's opener, first on PATH while it lives, that notes the address it is given instead of
// starting a browser.

#include <QDir>
#include <QFile>

class StandInOpener {
public:
    // The script and its note go into the folder.
    explicit StandInOpener(const QString& folder)
        : m_record(QDir(folder).filePath(QStringLiteral("opened"))), m_path(qgetenv("PATH")) {
        QFile script(QDir(folder).filePath(QStringLiteral("xdg-open")));
        m_ready = script.open(QIODevice::WriteOnly) &&
                  script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.part' && mv '%1.part' '%1'\n")
                                   .arg(m_record)
                                   .toUtf8()) > 0 &&
                  script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder) + ':' + m_path);
    }
    ~StandInOpener() { qputenv("PATH", m_path); }
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    bool isReady() const { return m_ready; }
    // What the opener was given, one argument a line; empty until it has run.
    QString opened() const {
        QFile record(m_record);
        return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()) : QString();
    }

private:
    QString m_record;
    QByteArray m_path;
    bool m_ready = false;
};
