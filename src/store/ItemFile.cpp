#include "store/ItemFile.h"

#include "store/FileOwnership.h"
#include "store/NativeFileName.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

QString couldNot(QLatin1StringView action, const QString& path, const QString& reason) {
    return u"Couldn't %1 \"%2\": %3."_s.arg(action, shownFileName(path), reason);
}

QString couldNotOpen(const QString& path, const QString& reason) {
    return couldNot("open"_L1, path, reason);
}

QString couldNotSave(const QString& path, const QString& reason) {
    return couldNot("save"_L1, path, reason);
}

// Judged by what was opened, not by the name beforehand, so that nothing can take the file's place in between.
QString notARegularFile(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return qt_error_string(errno);
    if (S_ISREG(status.st_mode))
        return {};
    return S_ISDIR(status.st_mode) ? u"it is a folder, not a file"_s : u"it is a device, pipe or socket, not a file"_s;
}

} // namespace

ItemRecordResult readItemFile(const QString& path, RecordCheck check) {
    // Without blocking: opening a named pipe would otherwise wait, perhaps for ever, for someone to write to it.
    const int descriptor = ::open(nativeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return {{}, couldNotOpen(path, qt_error_string(errno))};
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {{}, couldNotOpen(path, file.errorString())};
    }
    if (const QString reason = notARegularFile(descriptor); !reason.isEmpty())
        return {{}, couldNotOpen(path, reason)};
    // One byte past the limit tells a file over it from one exactly at it.
    const QByteArray bytes = file.read(MaxItemFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, couldNotOpen(path, file.errorString())};
    if (bytes.size() > MaxItemFileSize)
        return {{}, couldNotOpen(path, u"not an item file (larger than 1 MiB)"_s)};

    ItemRecordResult decoded = decodeItemRecord(bytes, check);
    if (!decoded.ok())
        decoded.error = couldNotOpen(path, decoded.error);
    if (!decoded.damage.isEmpty())
        decoded.damage = u"Only the item record of \"%1\" was read: the lines before it are damaged (%2), and what "
                         u"they held was left out."_s.arg(shownFileName(path), decoded.damage);
    // A kind of button this version does not know opens as the cart button every version knows.
    if (!decoded.unofferedChoices.isEmpty())
        decoded.unofferedChoices =
            u"\"%1\" holds a value this version does not offer (%2), so it opened with the default in its place: "
            u"an unknown kind of button opens as Add to Cart."_s.arg(shownFileName(path), decoded.unofferedChoices);
    return decoded;
}

ItemSaveResult writeItemFile(const QString& path, const ItemRecord& record, const QList<QByteArray>& optionalLines) {
    const ItemBytesResult encoded = encodeItemRecord(record, optionalLines);
    if (!encoded.ok())
        return {couldNotSave(path, encoded.error)};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {couldNotSave(path, file.errorString())};
    if (ItemSaveResult written = writeItemBytes(file, encoded.bytes); !written.ok())
        return written; // the unfinished copy goes with `file`; the old file was never touched
    if (const QString reason = keepOwnerAndMode(file); !reason.isEmpty())
        return {couldNotSave(path, reason)};
    if (!file.commit())
        return {couldNotSave(path, file.errorString())};
    return {};
}

ItemSaveResult writeItemBytes(QFileDevice& file, const QByteArray& bytes) {
    // A disk that fills up part way takes a short write without giving a reason; writing the rest brings it out.
    const bool written = file.write(bytes) == bytes.size() && (file.flush() || file.flush());
    if (!written)
        return {couldNotSave(file.fileName(), file.errorString())};
    return {};
}

} // namespace velmora
