#pragma once

#include "store/SettingKeys.h"

#include <QFile>
#include <QTemporaryDir>

#include <vector>

// Every key the program stores, merchant, first-run, recent files and window state alike.
inline std::vector<velmora::SettingKey> allSettingKeys() {
    std::vector<velmora::SettingKey> keys(velmora::merchantKeys().begin(), velmora::merchantKeys().end());
    keys.push_back(velmora::hasBeenRunKey());
    keys.insert(keys.end(), velmora::recentFileKeys().begin(), velmora::recentFileKeys().end());
    keys.insert(keys.end(), velmora::windowStateKeys().begin(), velmora::windowStateKeys().end());
    return keys;
}

// What a settings line holds: anything but line breaks, other controls than tab, and broken UTF-16.
inline bool fitsOnASettingsLine(const QString& text) {
    for (const QChar c : text) {
        if ((c.unicode() < 0x20 && c != u'\t') || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            return false;
    }
    return QStringView(text).isValidUtf16();
}

// A fresh settings file name for each input, in a folder that goes when the fuzzer exits, so no input meets
// what an earlier one left behind.
inline QString scratchIniPath() {
    static QTemporaryDir dir;
    static int count = 0;
    QFile::remove(dir.filePath(QStringLiteral("Trevanto-%1.ini").arg(count)));
    return dir.filePath(QStringLiteral("Trevanto-%1.ini").arg(++count));
}
