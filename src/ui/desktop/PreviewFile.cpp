#include "ui/desktop/PreviewFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

constexpr auto PageName = "velmora-preview.html"_L1;

QString couldNotUse(const QString& folder, const QString& reason) {
    return u"Couldn't write the preview page into \"%1\": %2."_s.arg(QDir::toNativeSeparators(folder), reason);
}

// Made for the user alone if it is missing; refused unless it is a real folder of the user's own that nobody else
// may enter, since anyone who can write into it could put a link where the page goes.
QString privateFolderProblem(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    if (!QDir().mkpath(QFileInfo(folder).absolutePath()))
        return u"the folder above it cannot be made"_s;
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return qt_error_string(errno);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return qt_error_string(errno);
    if (!S_ISDIR(status.st_mode))
        return u"it is not a folder of its own"_s;
    if (status.st_uid != ::geteuid())
        return u"it belongs to another user"_s;
    // Ours, so ours to close to everyone else.
    if ((status.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0)
        return qt_error_string(errno);
    return {};
}

} // namespace

PreviewPath previewFilePath() {
    if (const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR"); !runtime.isEmpty())
        return {QDir(runtime).filePath(PageName), {}};
    const QString folder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).filePath(u"velmora"_s);
    if (const QString problem = privateFolderProblem(folder); !problem.isEmpty())
        return {{}, couldNotUse(folder, problem)};
    return {QDir(folder).filePath(PageName), {}};
}

QString writePreviewFile(const QString& path, const QString& page) {
    const auto couldNot = [&path](const QString& reason) {
        return u"Couldn't write the preview page \"%1\": %2."_s.arg(QDir::toNativeSeparators(path), reason);
    };
    // A link would be followed and its target replaced.
    if (QFileInfo(path).isSymLink())
        return couldNot(u"it is a link, not a file of its own"_s);
    QSaveFile file(path);
    const QByteArray bytes = page.toUtf8();
    // The permissions are set on the fresh copy before a byte of the page is in it.
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        return couldNot(file.errorString());
    return {};
}

} // namespace velmora
