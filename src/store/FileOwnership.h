#pragma once

#include <QString>

class QSaveFile;

namespace velmora {

// Gives the copy an open QSaveFile is writing the owner, group and mode of the file it is to replace, so that a
// save (by root for another user, say) leaves the file to those who could use it before. A new file keeps what
// the user's umask gave it. Call before commit(); returns why the copy could not take them, or empty.
QString keepOwnerAndMode(QSaveFile& file);

} // namespace velmora
