#pragma once

#include <QString>

namespace velmora {

// The preview page's own file: in the user's runtime folder, or in the temporary folder when the session has none.
QString previewFilePath();

// Replaces the file with the page in one step, readable and writable by the user alone whatever the umask or an
// earlier copy allowed. Empty when done, else why not, naming the file.
QString writePreviewFile(const QString& path, const QString& page);

} // namespace velmora
