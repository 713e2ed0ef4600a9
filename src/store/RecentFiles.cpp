#include "store/RecentFiles.h"

#include "store/SettingKeys.h"
#include "store/SettingValues.h"
#include "store/SettingsStore.h"

#include <QFileInfo>

namespace velmora {

QStringList withRecentFile(QStringList files, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    return files.mid(0, recentFileKeyCount);
}

QStringList withoutMissingFiles(QStringList files) {
    files.removeIf([](const QString& file) { return !QFileInfo::exists(file); });
    return files;
}

QStringList loadRecentFiles(const SettingsStore& store) {
    QStringList files;
    for (const SettingKey& key : recentFileKeys()) {
        if (const QString file = readText(store, key); !file.isEmpty())
            files << file;
    }
    files.removeDuplicates();
    return files;
}

QStringList rereadRecentFiles(SettingsStore& store) {
    store.rereadSection(recentFileKeys()[0].section);
    return loadRecentFiles(store);
}

bool saveRecentFiles(SettingsStore& store, const QStringList& files) {
    for (std::size_t i = 0; i < recentFileKeyCount; ++i)
        writeValue(store, recentFileKeys()[i], files.value(qsizetype(i)));
    return store.commit();
}

} // namespace velmora
