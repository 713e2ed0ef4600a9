#include "store/ItemRecord.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace Qt::StringLiterals;

constinit const std::array<ItemField, ItemFieldCount> ItemFields{{
    {"txtItemName"_L1, ItemFieldKind::Text, "Item name"_L1},
    {"txtItemID"_L1, ItemFieldKind::Text, "Item ID"_L1},
    {"txtPrice"_L1, ItemFieldKind::Text, "Price"_L1},
    {"txtShipping1"_L1, ItemFieldKind::Text, "Shipping, first item"_L1},
    {"txtShippingAdd"_L1, ItemFieldKind::Text, "Shipping, each additional item"_L1},
    {"chkOption1Active"_L1, ItemFieldKind::CheckBox, "Option set 1, in use"_L1},
    {"txtOptName1"_L1, ItemFieldKind::Text, "Option set 1, name"_L1},
    {"optSet1DropDown"_L1, ItemFieldKind::OptionButton, "Option set 1, Drop Down Menu"_L1},
    {"optSet1TextBox"_L1, ItemFieldKind::OptionButton, "Option set 1, Text Box"_L1},
    {"txtOptSet1(0)"_L1, ItemFieldKind::Text, "Option set 1, value 1"_L1},
    {"txtOptSet1(1)"_L1, ItemFieldKind::Text, "Option set 1, value 2"_L1},
    {"txtOptSet1(2)"_L1, ItemFieldKind::Text, "Option set 1, value 3"_L1},
    {"txtOptSet1(3)"_L1, ItemFieldKind::Text, "Option set 1, value 4"_L1},
    {"txtOptSet1(4)"_L1, ItemFieldKind::Text, "Option set 1, value 5"_L1},
    {"txtOptSet1(5)"_L1, ItemFieldKind::Text, "Option set 1, value 6"_L1},
    {"txtOptSet1(6)"_L1, ItemFieldKind::Text, "Option set 1, value 7"_L1},
    {"txtOptSet1(7)"_L1, ItemFieldKind::Text, "Option set 1, value 8"_L1},
    {"txtOptSet1(8)"_L1, ItemFieldKind::Text, "Option set 1, value 9"_L1},
    {"txtOptSet1(9)"_L1, ItemFieldKind::Text, "Option set 1, value 10"_L1},
    {"chkOption2Active"_L1, ItemFieldKind::CheckBox, "Option set 2, in use"_L1},
    {"txtOptName2"_L1, ItemFieldKind::Text, "Option set 2, name"_L1},
    {"optSet2DropDown"_L1, ItemFieldKind::OptionButton, "Option set 2, Drop Down Menu"_L1},
    {"optSet2TextBox"_L1, ItemFieldKind::OptionButton, "Option set 2, Text Box"_L1},
    {"txtOptSet2(0)"_L1, ItemFieldKind::Text, "Option set 2, value 1"_L1},
    {"txtOptSet2(1)"_L1, ItemFieldKind::Text, "Option set 2, value 2"_L1},
    {"txtOptSet2(2)"_L1, ItemFieldKind::Text, "Option set 2, value 3"_L1},
    {"txtOptSet2(3)"_L1, ItemFieldKind::Text, "Option set 2, value 4"_L1},
    {"txtOptSet2(4)"_L1, ItemFieldKind::Text, "Option set 2, value 5"_L1},
    {"txtOptSet2(5)"_L1, ItemFieldKind::Text, "Option set 2, value 6"_L1},
    {"txtOptSet2(6)"_L1, ItemFieldKind::Text, "Option set 2, value 7"_L1},
    {"txtOptSet2(7)"_L1, ItemFieldKind::Text, "Option set 2, value 8"_L1},
    {"txtOptSet2(8)"_L1, ItemFieldKind::Text, "Option set 2, value 9"_L1},
    {"txtOptSet2(9)"_L1, ItemFieldKind::Text, "Option set 2, value 10"_L1},
    {"chkShippingAddress"_L1, ItemFieldKind::CheckBox, "Buyer provides a shipping address"_L1},
    {"chkNote"_L1, ItemFieldKind::CheckBox, "Buyer includes a note"_L1},
    {"txtNote"_L1, ItemFieldKind::Text, "Note title"_L1},
}};

double fieldNumber(QStringView text) {
    static const QRegularExpression leadingNumber(uR"(^[ \t]*([+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eE][+-]?\d+)?))"_s);
    const auto match = leadingNumber.match(text);
    // The pattern admits only plain decimal notation, so the conversion cannot fail; an exponent beyond the
    // double range gives an infinity, which no check box accepts.
    return match.hasMatch() ? QLocale::c().toDouble(match.capturedView(1)) : 0.0;
}

int checkBoxValue(QStringView text) {
    return int(std::clamp(std::nearbyint(fieldNumber(text)), -1.0, 3.0));
}

bool optionButtonSelected(QStringView text) {
    return fieldNumber(text) != 0.0;
}

QString checkBoxField(int value) {
    return QString::number(value);
}

QString optionButtonField(bool selected) {
    return selected ? u"1"_s : u"0"_s;
}

namespace {

// A set's fields follow its check box in the same layout for both sets.
OptionSet optionSetFrom(const ItemRecord& record, int active) {
    using namespace ItemFieldIndex;
    const int offset = active - Option1Active;
    OptionSet set;
    set.Active = checkBoxValue(record[Option1Active + offset]);
    set.Name = record[Option1Name + offset];
    if (optionButtonSelected(record[Option1TextBox + offset]))
        set.Kind = OptionSetKind::TextBox;
    else if (optionButtonSelected(record[Option1DropDown + offset]))
        set.Kind = OptionSetKind::DropDown;
    for (int i = 0; i < int(set.Values.size()); ++i)
        set.Values[i] = record[Option1Values + offset + i];
    return set;
}

} // namespace

CartItem cartItemFromRecord(const ItemRecord& record) {
    using namespace ItemFieldIndex;
    CartItem item;
    item.ItemName = record[ItemName];
    item.ItemID = record[ItemID];
    item.Price = record[Price];
    item.Shipping1 = record[Shipping1];
    item.Shipping2 = record[Shipping2];
    item.ShippingAddress = checkBoxValue(record[ShippingAddress]);
    item.Note = checkBoxValue(record[Note]);
    item.NoteTitle = record[NoteTitle];
    item.Option1 = optionSetFrom(record, Option1Active);
    item.Option2 = optionSetFrom(record, Option2Active);
    return item;
}

} // namespace velmora
