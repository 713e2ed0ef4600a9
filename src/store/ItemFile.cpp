#include "store/ItemFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

QString couldNot(QLatin1StringView action, const QString& path, const QString& reason) {
    return u"Couldn't %1 \"%2\": %3."_s.arg(action, QDir::toNativeSeparators(path), reason);
}

QString couldNotOpen(const QString& path, const QString& reason) {
    return couldNot("open"_L1, path, reason);
}

QString couldNotSave(const QString& path, const QString& reason) {
    return couldNot("save"_L1, path, reason);
}

} // namespace

ItemRecordResult readItemFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, couldNotOpen(path, file.errorString())};
    // One byte past the limit, so that devices and pipes, whose size is unknown, are held to it as well.
    const QByteArray bytes = file.read(MaxItemFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, couldNotOpen(path, file.errorString())};
    if (bytes.size() > MaxItemFileSize)
        return {{}, couldNotOpen(path, u"not an item file (larger than 1 MiB)"_s)};

    ItemRecordResult decoded = decodeItemRecord(bytes);
    if (!decoded.ok())
        decoded.error = couldNotOpen(path, decoded.error);
    return decoded;
}

ItemSaveResult writeItemFile(const QString& path, const ItemRecord& record) {
    const ItemBytesResult encoded = encodeItemRecord(record);
    if (!encoded.ok())
        return {couldNotSave(path, encoded.error)};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {couldNotSave(path, file.errorString())};
    if (ItemSaveResult written = writeItemBytes(file, encoded.bytes); !written.ok())
        return written; // the unfinished copy goes with `file`; the old file was never touched
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
