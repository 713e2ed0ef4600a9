#pragma once

#include "store/ItemRecord.h"

#include <QByteArray>
#include <QString>

namespace velmora {

// The bytes of an item file, or why the record cannot be stored.
struct ItemBytesResult {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A record taken from an item file's bytes, or why the bytes are refused.
struct ItemRecordResult {
    ItemRecord record;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// One line in Windows-1252: each field followed by the separator byte 0xA5, then CR LF. A field holding the
// separator, a line break or a character Windows-1252 lacks would come back altered, so such a record is refused
// with every field and character concerned named.
ItemBytesResult encodeItemRecord(const ItemRecord& record);

// Takes the last line of the bytes (CR LF, LF and CR all end a line) and hands its fields to the slots in order:
// text after the last separator is dropped and slots that no separator reached stay empty. Refuses a line with
// more separators than fields, and a check-box field that reads as anything but 0, 1 or 2.
ItemRecordResult decodeItemRecord(QByteArrayView bytes);

} // namespace velmora
