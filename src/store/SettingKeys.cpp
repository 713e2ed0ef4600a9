#include "store/SettingKeys.h"

#include <array>

namespace velmora {

namespace {

using namespace Qt::Literals::StringLiterals;
using enum SettingKind;

constexpr std::array keys = {
    // The merchant settings, edited in the options dialog.
    SettingKey{"Settings"_L1, "eMail"_L1, Text, placeholderEmail, {}},
    SettingKey{"Settings"_L1, "StoreLogo"_L1, Text, {}, {}},
    SettingKey{"Settings"_L1, "PurchaseSuccessURL"_L1, Text, {}, {}},
    SettingKey{"Settings"_L1, "PurchaseCancelURL"_L1, Text, {}, {}},
    SettingKey{"Settings"_L1, "ButtonImageURL"_L1, Text, {}, {}},

    SettingKey{"Settings"_L1, "HasBeenRun"_L1, Boolean, "False"_L1, {}},

    // The main window, restored and saved in this order: a set's use box comes before its kind buttons.
    SettingKey{"Settings"_L1, "ItemName"_L1, Text, {}, "txtItemName"_L1},
    SettingKey{"Settings"_L1, "ItemID"_L1, Text, {}, "txtItemID"_L1},
    SettingKey{"Settings"_L1, "Price"_L1, Text, {}, "txtPrice"_L1},
    SettingKey{"Settings"_L1, "Shipping1"_L1, Text, {}, "txtShipping1"_L1},
    SettingKey{"Settings"_L1, "Shipping2"_L1, Text, {}, "txtShippingAdd"_L1},
    SettingKey{"Settings"_L1, "UseOption1"_L1, CheckBox, "0"_L1, "chkOption1Active"_L1},
    SettingKey{"Settings"_L1, "UseOption2"_L1, CheckBox, "0"_L1, "chkOption2Active"_L1},
    SettingKey{"Settings"_L1, "Option1Name"_L1, Text, {}, "txtOptName1"_L1},
    SettingKey{"Settings"_L1, "Option2Name"_L1, Text, {}, "txtOptName2"_L1},
    SettingKey{"Settings"_L1, "optSet1DropDown"_L1, OptionButton, "True"_L1, "optSet1DropDown"_L1},
    SettingKey{"Settings"_L1, "optSet1TextBox"_L1, OptionButton, "False"_L1, "optSet1TextBox"_L1},
    SettingKey{"Settings"_L1, "optSet2DropDown"_L1, OptionButton, "True"_L1, "optSet2DropDown"_L1},
    SettingKey{"Settings"_L1, "optSet2TextBox"_L1, OptionButton, "False"_L1, "optSet2TextBox"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box1"_L1, Text, {}, "txtOptSet1(0)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box2"_L1, Text, {}, "txtOptSet1(1)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box3"_L1, Text, {}, "txtOptSet1(2)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box4"_L1, Text, {}, "txtOptSet1(3)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box5"_L1, Text, {}, "txtOptSet1(4)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box6"_L1, Text, {}, "txtOptSet1(5)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box7"_L1, Text, {}, "txtOptSet1(6)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box8"_L1, Text, {}, "txtOptSet1(7)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box9"_L1, Text, {}, "txtOptSet1(8)"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box10"_L1, Text, {}, "txtOptSet1(9)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box1"_L1, Text, {}, "txtOptSet2(0)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box2"_L1, Text, {}, "txtOptSet2(1)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box3"_L1, Text, {}, "txtOptSet2(2)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box4"_L1, Text, {}, "txtOptSet2(3)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box5"_L1, Text, {}, "txtOptSet2(4)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box6"_L1, Text, {}, "txtOptSet2(5)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box7"_L1, Text, {}, "txtOptSet2(6)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box8"_L1, Text, {}, "txtOptSet2(7)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box9"_L1, Text, {}, "txtOptSet2(8)"_L1},
    SettingKey{"DropDowns"_L1, "Set2Box10"_L1, Text, {}, "txtOptSet2(9)"_L1},
    SettingKey{"Settings"_L1, "chkShippingAddress"_L1, CheckBox, "1"_L1, "chkShippingAddress"_L1},
    SettingKey{"Settings"_L1, "chkNote"_L1, CheckBox, "1"_L1, "chkNote"_L1},
    SettingKey{"Settings"_L1, "txtNote"_L1, Text, "Special Instructions"_L1, "txtNote"_L1},
};

static_assert(keys.size() == merchantKeyCount + 1 + windowStateKeyCount);

} // namespace

std::span<const SettingKey, merchantKeyCount> merchantKeys() {
    return std::span(keys).first<merchantKeyCount>();
}

const SettingKey& hasBeenRunKey() {
    return keys[merchantKeyCount];
}

std::span<const SettingKey, windowStateKeyCount> windowStateKeys() {
    return std::span(keys).last<windowStateKeyCount>();
}

} // namespace velmora
