#pragma once

#include "store/RecordValues.h"

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

// How much a reader asks of the bytes before it takes them as an item.
enum class RecordCheck {
    // The window's way: slots that no separator reached stay empty, text after the last separator is dropped,
    // and bytes without a record give an all-empty item.
    Lenient,
    // For scripts, which must not turn a foreign or damaged file into an item: no NUL byte, a record, exactly
    // 36 separators in it and nothing after the last.
    Strict,
};

// One line in Windows-1252: each field followed by the separator byte 0xA5, then CR LF. A field holding the
// separator, a line break, a NUL or a character Windows-1252 lacks would come back altered or not at all, so such
// a record is refused with every field and character concerned named. What this writes passes the strict check.
ItemBytesResult encodeItemRecord(const ItemRecord& record);

// Takes the record, the last line of the bytes that is not blank (CR LF, LF and CR all end a line; a blank line
// holds nothing but spaces and tabs), and hands its fields to the slots in order. Either way it refuses a record
// with more separators than fields, and a check-box field that reads as anything but 0, 1 or 2.
ItemRecordResult decodeItemRecord(QByteArrayView bytes, RecordCheck check);

} // namespace velmora
