#pragma once

#include "model/ItemValues.h"
#include "store/RecordValues.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <span>

namespace velmora {

// The bytes of an item file, or why the record cannot be stored.
struct ItemBytesResult {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A record taken from an item file's bytes, or why the bytes are refused.
struct ItemRecordResult {
    ItemRecord record{};
    QString error{};
    // The lines of optional values this version does not know, as read and in their order, without their line
    // ends: saving the item again writes them back.
    QList<QByteArray> optionalLines{};
    // Lenient reading only: why the lines before the record were passed over; the record alone was read.
    QString damage{};
    // Lenient reading only: the choices that held none of their texts, each named; they are at their defaults.
    QString unofferedChoices{};
    bool ok() const { return error.isEmpty(); }
};

// How much a reader asks of the bytes before it takes them as an item.
enum class RecordCheck {
    // The window's way: slots that no separator reached stay empty, text after the last separator is dropped,
    // bytes without a record give an all-empty item, and damaged lines before the record leave out every value
    // they held (the result says so).
    Lenient,
    // For scripts, which must not turn a foreign or damaged file into an item: no NUL byte, a record, exactly
    // 36 separators in it and nothing after the last, and nothing before it but value lines and blank ones.
    Strict,
};

// The record is the file's last line, as earlier versions wrote and read it: in Windows-1252, each classic value
// followed by the separator byte 0xA5, then CR LF. A field holding the separator, a line break, a NUL or a
// character Windows-1252 lacks would come back altered or not at all, so such a record is refused with every
// field and character concerned named.
//
// The values the classic record has no room for go on lines before it, one a line, "#KEY=VALUE" and CR LF, with
// the value in the percent form (see PercentForm.h): first the kept optional lines, then the table's values in its
// order, each only when it differs from its default, so that an item of classic values alone is written exactly
// as earlier versions wrote it. What this writes passes the strict check.
ItemBytesResult encodeItemRecord(const ItemRecord& record, const QList<QByteArray>& optionalLines = {},
                                 std::span<const ItemValue> values = itemValues());

// Takes the record from the last line of the bytes that is not blank (CR LF, LF and CR all end a line; a blank
// line holds nothing but spaces and tabs), and hands its fields to the slots in order; the values of the lines
// before it, each absent one at its default. Either way it refuses a record with more separators than fields, a
// check-box value that reads as anything but 0, 1 or 2, and a key it does not know that does not start with "x.",
// since such a value may change what a button charges. A line before the record that is no value line nor blank,
// a malformed value and a key given twice are damage; so is a choice holding none of its texts, which the lenient
// reader puts back to its default and names.
ItemRecordResult decodeItemRecord(QByteArrayView bytes, RecordCheck check,
                                  std::span<const ItemValue> values = itemValues());

} // namespace velmora
