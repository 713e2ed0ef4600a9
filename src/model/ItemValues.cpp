#include "model/ItemValues.h"

#include "model/ItemRecord.h"

#include <array>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
using enum ItemValueKind;
namespace Id = ItemValueId;

template <QString CartItem::*Field> void text(CartItem& item, QStringView value) {
    item.*Field = value.toString();
}

template <int CartItem::*Field> void flag(CartItem& item, QStringView value) {
    item.*Field = checkBoxValue(value);
}

template <OptionSet CartItem::*Set> void setActive(CartItem& item, QStringView value) {
    (item.*Set).Active = checkBoxValue(value);
}

template <OptionSet CartItem::*Set> void setName(CartItem& item, QStringView value) {
    (item.*Set).Name = value.toString();
}

// The window assigns the Drop Down Menu button first, so a set Text Box wins, and neither leaves no kind.
template <OptionSet CartItem::*Set, OptionSetKind Kind> void setKind(CartItem& item, QStringView value) {
    if (booleanField(value))
        (item.*Set).Kind = Kind;
}

template <OptionSet CartItem::*Set, int Index> void setValue(CartItem& item, QStringView value) {
    (item.*Set).Values[Index] = value.toString();
}

constexpr auto Settings = "Settings"_L1;
constexpr auto DropDowns = "DropDowns"_L1;

// clang-format off
constexpr std::array<ItemValue, Id::Count> values{{
    {Id::ItemName, Text, "Item name"_L1, 0, {}, Settings, "ItemName"_L1, {}, text<&CartItem::ItemName>},
    {Id::ItemID, Text, "Item ID"_L1, 1, {}, Settings, "ItemID"_L1, {}, text<&CartItem::ItemID>},
    {Id::Price, Money, "Price"_L1, 2, {}, Settings, "Price"_L1, {}, text<&CartItem::Price>},
    {Id::Shipping1, Money, "Shipping, first item"_L1, 3, {}, Settings, "Shipping1"_L1, {}, text<&CartItem::Shipping1>},
    {Id::Shipping2, Money, "Shipping, each additional item"_L1, 4, {}, Settings, "Shipping2"_L1, {},
     text<&CartItem::Shipping2>},

    {Id::Option1Active, Flag, "Option set 1, in use"_L1, 5, {}, Settings, "UseOption1"_L1, "0"_L1,
     setActive<&CartItem::Option1>},
    {Id::Option1Name, Text, "Option set 1, name"_L1, 6, {}, Settings, "Option1Name"_L1, {}, setName<&CartItem::Option1>},
    {Id::Option1DropDown, KindButton, "Option set 1, Drop Down Menu"_L1, 7, {}, Settings, "optSet1DropDown"_L1, "1"_L1,
     setKind<&CartItem::Option1, OptionSetKind::DropDown>},
    {Id::Option1TextBox, KindButton, "Option set 1, Text Box"_L1, 8, {}, Settings, "optSet1TextBox"_L1, "0"_L1,
     setKind<&CartItem::Option1, OptionSetKind::TextBox>},
    {Id::Option1Values + 0, OptionValue, "Option set 1, value 1"_L1, 9, {}, DropDowns, "Set1Box1"_L1, {},
     setValue<&CartItem::Option1, 0>},
    {Id::Option1Values + 1, OptionValue, "Option set 1, value 2"_L1, 10, {}, DropDowns, "Set1Box2"_L1, {},
     setValue<&CartItem::Option1, 1>},
    {Id::Option1Values + 2, OptionValue, "Option set 1, value 3"_L1, 11, {}, DropDowns, "Set1Box3"_L1, {},
     setValue<&CartItem::Option1, 2>},
    {Id::Option1Values + 3, OptionValue, "Option set 1, value 4"_L1, 12, {}, DropDowns, "Set1Box4"_L1, {},
     setValue<&CartItem::Option1, 3>},
    {Id::Option1Values + 4, OptionValue, "Option set 1, value 5"_L1, 13, {}, DropDowns, "Set1Box5"_L1, {},
     setValue<&CartItem::Option1, 4>},
    {Id::Option1Values + 5, OptionValue, "Option set 1, value 6"_L1, 14, {}, DropDowns, "Set1Box6"_L1, {},
     setValue<&CartItem::Option1, 5>},
    {Id::Option1Values + 6, OptionValue, "Option set 1, value 7"_L1, 15, {}, DropDowns, "Set1Box7"_L1, {},
     setValue<&CartItem::Option1, 6>},
    {Id::Option1Values + 7, OptionValue, "Option set 1, value 8"_L1, 16, {}, DropDowns, "Set1Box8"_L1, {},
     setValue<&CartItem::Option1, 7>},
    {Id::Option1Values + 8, OptionValue, "Option set 1, value 9"_L1, 17, {}, DropDowns, "Set1Box9"_L1, {},
     setValue<&CartItem::Option1, 8>},
    {Id::Option1Values + 9, OptionValue, "Option set 1, value 10"_L1, 18, {}, DropDowns, "Set1Box10"_L1, {},
     setValue<&CartItem::Option1, 9>},

    {Id::Option2Active, Flag, "Option set 2, in use"_L1, 19, {}, Settings, "UseOption2"_L1, "0"_L1,
     setActive<&CartItem::Option2>},
    {Id::Option2Name, Text, "Option set 2, name"_L1, 20, {}, Settings, "Option2Name"_L1, {}, setName<&CartItem::Option2>},
    {Id::Option2DropDown, KindButton, "Option set 2, Drop Down Menu"_L1, 21, {}, Settings, "optSet2DropDown"_L1, "1"_L1,
     setKind<&CartItem::Option2, OptionSetKind::DropDown>},
    {Id::Option2TextBox, KindButton, "Option set 2, Text Box"_L1, 22, {}, Settings, "optSet2TextBox"_L1, "0"_L1,
     setKind<&CartItem::Option2, OptionSetKind::TextBox>},
    {Id::Option2Values + 0, OptionValue, "Option set 2, value 1"_L1, 23, {}, DropDowns, "Set2Box1"_L1, {},
     setValue<&CartItem::Option2, 0>},
    {Id::Option2Values + 1, OptionValue, "Option set 2, value 2"_L1, 24, {}, DropDowns, "Set2Box2"_L1, {},
     setValue<&CartItem::Option2, 1>},
    {Id::Option2Values + 2, OptionValue, "Option set 2, value 3"_L1, 25, {}, DropDowns, "Set2Box3"_L1, {},
     setValue<&CartItem::Option2, 2>},
    {Id::Option2Values + 3, OptionValue, "Option set 2, value 4"_L1, 26, {}, DropDowns, "Set2Box4"_L1, {},
     setValue<&CartItem::Option2, 3>},
    {Id::Option2Values + 4, OptionValue, "Option set 2, value 5"_L1, 27, {}, DropDowns, "Set2Box5"_L1, {},
     setValue<&CartItem::Option2, 4>},
    {Id::Option2Values + 5, OptionValue, "Option set 2, value 6"_L1, 28, {}, DropDowns, "Set2Box6"_L1, {},
     setValue<&CartItem::Option2, 5>},
    {Id::Option2Values + 6, OptionValue, "Option set 2, value 7"_L1, 29, {}, DropDowns, "Set2Box7"_L1, {},
     setValue<&CartItem::Option2, 6>},
    {Id::Option2Values + 7, OptionValue, "Option set 2, value 8"_L1, 30, {}, DropDowns, "Set2Box8"_L1, {},
     setValue<&CartItem::Option2, 7>},
    {Id::Option2Values + 8, OptionValue, "Option set 2, value 9"_L1, 31, {}, DropDowns, "Set2Box9"_L1, {},
     setValue<&CartItem::Option2, 8>},
    {Id::Option2Values + 9, OptionValue, "Option set 2, value 10"_L1, 32, {}, DropDowns, "Set2Box10"_L1, {},
     setValue<&CartItem::Option2, 9>},

    {Id::ShippingAddress, Flag, "Buyer provides a shipping address"_L1, 33, {}, Settings, "chkShippingAddress"_L1,
     "1"_L1, flag<&CartItem::ShippingAddress>},
    {Id::Note, Flag, "Buyer includes a note"_L1, 34, {}, Settings, "chkNote"_L1, "1"_L1, flag<&CartItem::Note>},
    {Id::NoteTitle, Text, "Note title"_L1, 35, {}, Settings, "txtNote"_L1, "Special Instructions"_L1,
     text<&CartItem::NoteTitle>},
}};
// clang-format on

// The rows are looked up by id, the classic ones fill every field of the classic record once, and every other
// has a key of its own, which the store uses too.
constexpr bool wellFormed() {
    const auto keyOf = [](const ItemValue& value) {
        return std::string_view(value.extensionKey.data(), std::size_t(value.extensionKey.size()));
    };
    std::array<bool, ClassicFieldCount> fieldTaken{};
    for (int i = 0; i < int(values.size()); ++i) {
        const ItemValue& value = values[i];
        if (value.id != i || value.isClassic() == !value.extensionKey.isEmpty())
            return false;
        if (value.isClassic() && (value.classicField >= ClassicFieldCount || fieldTaken[value.classicField]))
            return false;
        if (value.isClassic()) {
            fieldTaken[value.classicField] = true;
            continue;
        }
        if (!isExtensionKey(keyOf(value)) || !value.storeSection.isEmpty() || !value.storeKey.isEmpty())
            return false;
        for (int j = 0; j < i; ++j) {
            if (keyOf(values[j]) == keyOf(value))
                return false;
        }
    }
    for (const bool taken : fieldTaken) {
        if (!taken)
            return false;
    }
    return true;
}
static_assert(wellFormed());

} // namespace

std::span<const ItemValue> itemValues() {
    return values;
}

const ItemValue& itemValue(int id) {
    return values[id];
}

} // namespace velmora
