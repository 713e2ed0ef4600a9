#include "ui/ItemControls.h"

#include <algorithm>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
using enum ValueKind;
namespace Field = ItemFieldIndex;
namespace Key = WindowStateKey;

constexpr std::array<ItemControl, ItemFieldCount> rows{{
    {"txtItemName"_L1, Text, Field::ItemName, Key::ItemName},
    {"txtItemID"_L1, Text, Field::ItemID, Key::ItemID},
    {"txtPrice"_L1, Text, Field::Price, Key::Price},
    {"txtShipping1"_L1, Text, Field::Shipping1, Key::Shipping1},
    {"txtShippingAdd"_L1, Text, Field::Shipping2, Key::Shipping2},
    {"chkOption1Active"_L1, CheckBox, Field::Option1Active, Key::UseOption1},
    {"txtOptName1"_L1, Text, Field::Option1Name, Key::Option1Name},
    {"optSet1DropDown"_L1, Boolean, Field::Option1DropDown, Key::Option1DropDown},
    {"optSet1TextBox"_L1, Boolean, Field::Option1TextBox, Key::Option1TextBox},
    {"txtOptSet1(0)"_L1, Text, Field::Option1Values + 0, Key::Set1Box1 + 0},
    {"txtOptSet1(1)"_L1, Text, Field::Option1Values + 1, Key::Set1Box1 + 1},
    {"txtOptSet1(2)"_L1, Text, Field::Option1Values + 2, Key::Set1Box1 + 2},
    {"txtOptSet1(3)"_L1, Text, Field::Option1Values + 3, Key::Set1Box1 + 3},
    {"txtOptSet1(4)"_L1, Text, Field::Option1Values + 4, Key::Set1Box1 + 4},
    {"txtOptSet1(5)"_L1, Text, Field::Option1Values + 5, Key::Set1Box1 + 5},
    {"txtOptSet1(6)"_L1, Text, Field::Option1Values + 6, Key::Set1Box1 + 6},
    {"txtOptSet1(7)"_L1, Text, Field::Option1Values + 7, Key::Set1Box1 + 7},
    {"txtOptSet1(8)"_L1, Text, Field::Option1Values + 8, Key::Set1Box1 + 8},
    {"txtOptSet1(9)"_L1, Text, Field::Option1Values + 9, Key::Set1Box1 + 9},
    {"chkOption2Active"_L1, CheckBox, Field::Option2Active, Key::UseOption2},
    {"txtOptName2"_L1, Text, Field::Option2Name, Key::Option2Name},
    {"optSet2DropDown"_L1, Boolean, Field::Option2DropDown, Key::Option2DropDown},
    {"optSet2TextBox"_L1, Boolean, Field::Option2TextBox, Key::Option2TextBox},
    {"txtOptSet2(0)"_L1, Text, Field::Option2Values + 0, Key::Set2Box1 + 0},
    {"txtOptSet2(1)"_L1, Text, Field::Option2Values + 1, Key::Set2Box1 + 1},
    {"txtOptSet2(2)"_L1, Text, Field::Option2Values + 2, Key::Set2Box1 + 2},
    {"txtOptSet2(3)"_L1, Text, Field::Option2Values + 3, Key::Set2Box1 + 3},
    {"txtOptSet2(4)"_L1, Text, Field::Option2Values + 4, Key::Set2Box1 + 4},
    {"txtOptSet2(5)"_L1, Text, Field::Option2Values + 5, Key::Set2Box1 + 5},
    {"txtOptSet2(6)"_L1, Text, Field::Option2Values + 6, Key::Set2Box1 + 6},
    {"txtOptSet2(7)"_L1, Text, Field::Option2Values + 7, Key::Set2Box1 + 7},
    {"txtOptSet2(8)"_L1, Text, Field::Option2Values + 8, Key::Set2Box1 + 8},
    {"txtOptSet2(9)"_L1, Text, Field::Option2Values + 9, Key::Set2Box1 + 9},
    {"chkShippingAddress"_L1, CheckBox, Field::ShippingAddress, Key::ShippingAddress},
    {"chkNote"_L1, CheckBox, Field::Note, Key::Note},
    {"txtNote"_L1, Text, Field::NoteTitle, Key::NoteTitle},
}};

constexpr bool inFileOrder() {
    for (int i = 0; i < ItemFieldCount; ++i) {
        if (rows[i].field != i)
            return false;
    }
    return true;
}
static_assert(inFileOrder());

constexpr std::array<const ItemControl*, windowStateKeyCount> storeOrder = [] {
    std::array<const ItemControl*, windowStateKeyCount> order{};
    for (const ItemControl& row : rows)
        order[row.key] = &row;
    return order;
}();
static_assert(std::ranges::count(storeOrder, nullptr) == 0, "every key has its control");

} // namespace

std::span<const ItemControl, ItemFieldCount> itemControls() {
    return rows;
}

std::span<const ItemControl* const, windowStateKeyCount> itemControlsInStoreOrder() {
    return storeOrder;
}

} // namespace velmora
