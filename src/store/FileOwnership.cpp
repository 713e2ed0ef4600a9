#include "store/FileOwnership.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

using namespace Qt::StringLiterals;

QString keepOwnerAndMode(QSaveFile& file) {
    // The name as given: a link is followed to the file that QSaveFile replaces.
    struct stat old {};
    if (::stat(QFile::encodeName(file.fileName()).constData(), &old) != 0)
        return {};
    const int copy = file.handle();
    // Only root may give a file away; anyone else's copy stays their own, as any file they write would.
    if (::fchown(copy, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return u"the new copy cannot take the old file's owner (%1)"_s.arg(qt_error_string(errno));
    if (::fchmod(copy, old.st_mode & 07777) != 0)
        return u"the new copy cannot take the old file's permissions (%1)"_s.arg(qt_error_string(errno));
    return {};
}

} // namespace velmora
