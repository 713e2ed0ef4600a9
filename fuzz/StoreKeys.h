#pragma once

#include "store/SettingKeys.h"

#include <QFile>
#include <QTemporaryDir>

#include <vector>

// Every key the program stores, merchant, first-run and window state alike.
inline std::vector<velmora::SettingKey> allSettingKeys() {
    std::vector<velmora::SettingKey> keys(velmora::merchantKeys().begin(), velmora::merchantKeys().end());
    keys.push_back(velmora::hasBeenRunKey());
    keys.insert(keys.end(), velmora::windowStateKeys().begin(), velmora::windowStateKeys().end());
    return keys;
}

// A fresh settings file name for each input, in a folder that goes when the fuzzer exits, so no input meets
// what an earlier one left behind.
inline QString scratchIniPath() {
    static QTemporaryDir dir;
    static int count = 0;
    QFile::remove(dir.filePath(QStringLiteral("Trevanto-%1.ini").arg(count)));
    return dir.filePath(QStringLiteral("Trevanto-%1.ini").arg(++count));
}
