#pragma once

#include "model/CartItem.h"

#include <QLatin1StringView>
#include <QString>

#include <array>

namespace velmora {

inline constexpr int ItemFieldCount = 36;

// One item as an item file holds it: the 36 field texts, in file order.
using ItemRecord = std::array<QString, ItemFieldCount>;

// How a field's control holds its value, and so how the field is written and read back.
enum class ItemFieldKind {
    Text,         // the control's text, as it stands
    CheckBox,     // the check-box value in decimal: "0", "1" or "2" (grayed)
    OptionButton, // "1" when the button is selected, else "0"
};

struct ItemField {
    QLatin1StringView control; // objectName of the main window's control
    ItemFieldKind kind;
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

// The fields in file order. Opening an item assigns the controls in this same order, and the order matters:
// each check box and option button runs its handler as it is assigned, and set 1's check box, which takes set 2
// down when it clears, must come before set 2's own check box puts it back.
extern const std::array<ItemField, ItemFieldCount> ItemFields;

// The number a field reads as: the number at the start of its text, leading blanks skipped, in the C notation;
// 0 when the text starts with no number.
double fieldNumber(QStringView text);

// A check-box field as a check-box value: its number rounded to the nearest integer, halves to even. The reader
// refuses records whose check-box fields round to anything but 0, 1 or 2; beyond that range this gives -1 or 3.
int checkBoxValue(QStringView text);

// An option-button field: selected when its number is not 0.
bool optionButtonSelected(QStringView text);

// The fields as saving writes them.
QString checkBoxField(int value);
QString optionButtonField(bool selected);

// The item the main window holds once this record has been opened into it. The kind follows the order in which
// the buttons are assigned: a selected Text Box wins over a selected Drop Down Menu, and neither leaves no kind.
CartItem cartItemFromRecord(const ItemRecord& record);

} // namespace velmora
