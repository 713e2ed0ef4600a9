#include "ui/PreviewFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora {

using namespace Qt::StringLiterals;

QString previewFilePath() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(u"velmora-preview.html"_s);
}

QString writePreviewFile(const QString& path, const QString& page) {
    const auto couldNot = [&path](const QString& reason) {
        return u"Couldn't write the preview page \"%1\": %2."_s.arg(QDir::toNativeSeparators(path), reason);
    };
    // A link would be followed and its target replaced; in a shared temporary folder anyone may have put it there.
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
