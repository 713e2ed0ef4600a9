#pragma once

#include "store/ItemRecordCodec.h"

#include <QFileDevice>
#include <QString>

namespace velmora {

// No item file comes near this; anything larger is something else, and is not worth reading whole.
inline constexpr qint64 MaxItemFileSize = 1024 * 1024;

// A finished save, or why it failed; the message names the file.
struct ItemSaveResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads and decodes an item file, its name taken byte for byte (see NativeFileName.h). Anything but a regular file
// (or a link to one) is refused before a byte is read, so that a named pipe or a device cannot keep the caller
// waiting. Every refusal, and the word on damaged lines before the record, names the file, readably, and the reason.
ItemRecordResult readItemFile(const QString& path, RecordCheck check);

// Replaces the file only once the whole record is on disk, so a failed save leaves an existing file as it was.
// A record that an item file cannot store is refused before anything is written. The name is used as given; the
// optional lines are those the item was read with.
ItemSaveResult writeItemFile(const QString& path, const ItemRecord& record,
                             const QList<QByteArray>& optionalLines = {});

// Writes the bytes to an open file and flushes them, so that a full disk is reported here rather than lost at close.
ItemSaveResult writeItemBytes(QFileDevice& file, const QByteArray& bytes);

} // namespace velmora
