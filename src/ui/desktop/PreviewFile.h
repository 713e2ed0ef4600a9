#pragma once

#include <QString>

namespace velmora {

// Where the preview page goes: a folder only the user can enter, so that nobody else can put a file or a link in its
// place. The user's runtime folder when the session has one; else "velmora" in the user's cache folder, made for
// the user alone and checked to be a real folder of the user's own before each use.
struct PreviewPath {
    QString path;
    QString error; // why there is no such folder, naming it; empty when path holds the page's name
    bool ok() const { return error.isEmpty(); }
};
PreviewPath previewFilePath();

// Replaces the file with the page in one step, readable and writable by the user alone whatever the umask or an
// earlier copy allowed. Empty when done, else why not, naming the file.
QString writePreviewFile(const QString& path, const QString& page);

} // namespace velmora
