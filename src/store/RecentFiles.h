#pragma once

#include <QStringList>

namespace velmora {

class SettingsStore;

// The item files last opened or saved, most recent first, as the File menu offers them again.

// The list with the file first, by its absolute path: an earlier entry of the same file goes, and the oldest
// drop off beyond the five most recent.
QStringList withRecentFile(QStringList files, const QString& path);
// The list without the files that are gone.
QStringList withoutMissingFiles(QStringList files);

// The list as the store keeps it; empty slots and repeats are skipped.
QStringList loadRecentFiles(const SettingsStore& store);
// The list as the file holds it now: every window shares it, so each change starts from what the others left.
QStringList rereadRecentFiles(SettingsStore& store);
// Keeps the list, at most five, and puts it on disk. False when it could not reach the disk (the store's
// problem() says why; the list is kept in memory).
bool saveRecentFiles(SettingsStore& store, const QStringList& files);

} // namespace velmora
