#include "store/ItemRecord.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace Qt::StringLiterals;

using enum ValueKind;

constinit const std::array<ItemField, ItemFieldCount> ItemFields{{
    {Text, "Item name"_L1},
    {Text, "Item ID"_L1},
    {Text, "Price"_L1},
    {Text, "Shipping, first item"_L1},
    {Text, "Shipping, each additional item"_L1},
    {CheckBox, "Option set 1, in use"_L1},
    {Text, "Option set 1, name"_L1},
    {Boolean, "Option set 1, Drop Down Menu"_L1},
    {Boolean, "Option set 1, Text Box"_L1},
    {Text, "Option set 1, value 1"_L1},
    {Text, "Option set 1, value 2"_L1},
    {Text, "Option set 1, value 3"_L1},
    {Text, "Option set 1, value 4"_L1},
    {Text, "Option set 1, value 5"_L1},
    {Text, "Option set 1, value 6"_L1},
    {Text, "Option set 1, value 7"_L1},
    {Text, "Option set 1, value 8"_L1},
    {Text, "Option set 1, value 9"_L1},
    {Text, "Option set 1, value 10"_L1},
    {CheckBox, "Option set 2, in use"_L1},
    {Text, "Option set 2, name"_L1},
    {Boolean, "Option set 2, Drop Down Menu"_L1},
    {Boolean, "Option set 2, Text Box"_L1},
    {Text, "Option set 2, value 1"_L1},
    {Text, "Option set 2, value 2"_L1},
    {Text, "Option set 2, value 3"_L1},
    {Text, "Option set 2, value 4"_L1},
    {Text, "Option set 2, value 5"_L1},
    {Text, "Option set 2, value 6"_L1},
    {Text, "Option set 2, value 7"_L1},
    {Text, "Option set 2, value 8"_L1},
    {Text, "Option set 2, value 9"_L1},
    {Text, "Option set 2, value 10"_L1},
    {CheckBox, "Buyer provides a shipping address"_L1},
    {CheckBox, "Buyer includes a note"_L1},
    {Text, "Note title"_L1},
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

bool booleanField(QStringView text) {
    return fieldNumber(text) != 0.0;
}

QString itemFieldText(const StoredValue& value) {
    switch (kindOf(value)) {
    case Text:
        return std::get<QString>(value);
    case CheckBox:
        return QString::number(std::get<int>(value));
    case Boolean:
        return std::get<bool>(value) ? u"1"_s : u"0"_s;
    }
    Q_UNREACHABLE();
}

StoredValue itemFieldValue(ValueKind kind, QStringView text) {
    switch (kind) {
    case Text:
        return text.toString();
    case CheckBox:
        return checkBoxValue(text);
    case Boolean:
        return booleanField(text);
    }
    Q_UNREACHABLE();
}

namespace {

// A set's fields follow its check box in the same layout for both sets.
OptionSet optionSetFrom(const ItemRecord& record, int active) {
    using namespace ItemFieldIndex;
    const int offset = active - Option1Active;
    OptionSet set;
    set.Active = checkBoxValue(record[Option1Active + offset]);
    set.Name = record[Option1Name + offset];
    if (booleanField(record[Option1TextBox + offset]))
        set.Kind = OptionSetKind::TextBox;
    else if (booleanField(record[Option1DropDown + offset]))
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
