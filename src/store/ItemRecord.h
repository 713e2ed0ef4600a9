#pragma once

#include "model/CartItem.h"
#include "store/StoredValue.h"

#include <QLatin1StringView>
#include <QString>

#include <array>

namespace velmora {

inline constexpr int ItemFieldCount = 36;

// One item as an item file holds it: the 36 field texts, in file order.
using ItemRecord = std::array<QString, ItemFieldCount>;

// A field holds a text as it stands, a check-box state in decimal ("0", "1" or "2") or a boolean as "1" or "0".
struct ItemField {
    ValueKind kind;
    QLatin1StringView label; // how messages name the field
};

namespace ItemFieldIndex {
enum : int {
    ItemName,
    ItemID,
    Price,
    Shipping1,
    Shipping2,
    Option1Active,
    Option1Name,
    Option1DropDown,
    Option1TextBox,
    Option1Values, // ten slots
    Option2Active = Option1Values + 10,
    Option2Name,
    Option2DropDown,
    Option2TextBox,
    Option2Values, // ten slots
    ShippingAddress = Option2Values + 10,
    Note,
    NoteTitle,
};
} // namespace ItemFieldIndex

// The fields in file order.
extern const std::array<ItemField, ItemFieldCount> ItemFields;

// The number a field reads as: the number at the start of its text, leading blanks skipped, in the C notation;
// 0 when the text starts with no number.
double fieldNumber(QStringView text);

// A check-box field as a check-box value: its number rounded to the nearest integer, halves to even. The reader
// refuses records whose check-box fields round to anything but 0, 1 or 2; beyond that range this gives -1 or 3.
int checkBoxValue(QStringView text);

// A boolean field: true when its number is not 0.
bool booleanField(QStringView text);

// A value as an item file holds it, and a field's text read back as a value of its kind.
QString itemFieldText(const StoredValue& value);
StoredValue itemFieldValue(ValueKind kind, QStringView text);

// The item the main window holds once this record has been opened into it. The kind follows the order in which
// the window assigns the kind fields: a set Text Box wins over a set Drop Down Menu, and neither leaves no kind.
CartItem cartItemFromRecord(const ItemRecord& record);

} // namespace velmora
