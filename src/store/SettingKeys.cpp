#include "store/SettingKeys.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

using namespace Qt::Literals::StringLiterals;
using enum ValueKind;

constexpr std::array keys = {
    // The merchant settings, edited in the options dialog, each with the field it fills.
    SettingKey{"Settings"_L1, "eMail"_L1, Text, placeholderEmail, &MerchantSettings::eMail},
    SettingKey{"Settings"_L1, "StoreLogo"_L1, Text, {}, &MerchantSettings::StoreLogo},
    SettingKey{"Settings"_L1, "PurchaseSuccessURL"_L1, Text, {}, &MerchantSettings::PurchaseSuccessURL},
    SettingKey{"Settings"_L1, "PurchaseCancelURL"_L1, Text, {}, &MerchantSettings::PurchaseCancelURL},
    SettingKey{"Settings"_L1, "ButtonImageURL"_L1, Text, {}, &MerchantSettings::ButtonImageURL},
    // A code the cart does not take is kept as stored and sends no currency.
    SettingKey{"Settings"_L1, "Currency"_L1, Text, {}, &MerchantSettings::Currency},
    // A switch that cannot be read must never send real money.
    SettingKey{"Settings"_L1, "UseSandbox"_L1, Boolean, "False"_L1, &MerchantSettings::UseSandbox, "True"_L1},
    SettingKey{"Settings"_L1, "ShoppingURL"_L1, Text, {}, &MerchantSettings::ShoppingURL},

    SettingKey{"Settings"_L1, "HasBeenRun"_L1, Boolean, "False"_L1},

    // A section of their own, so that the window's keys stay as earlier versions wrote them.
    SettingKey{"RecentFiles"_L1, "File1"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File2"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File3"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File4"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File5"_L1, Text, {}},

    // The main window, restored and saved in this order: whether a set is in use comes before its kind.
    SettingKey{"Settings"_L1, "ItemName"_L1, Text, {}},
    SettingKey{"Settings"_L1, "ItemID"_L1, Text, {}},
    SettingKey{"Settings"_L1, "Price"_L1, Text, {}},
    SettingKey{"Settings"_L1, "Shipping1"_L1, Text, {}},
    SettingKey{"Settings"_L1, "Shipping2"_L1, Text, {}},
    SettingKey{"Settings"_L1, "UseOption1"_L1, CheckBox, "0"_L1},
    SettingKey{"Settings"_L1, "UseOption2"_L1, CheckBox, "0"_L1},
    SettingKey{"Settings"_L1, "Option1Name"_L1, Text, {}},
    SettingKey{"Settings"_L1, "Option2Name"_L1, Text, {}},
    SettingKey{"Settings"_L1, "optSet1DropDown"_L1, Boolean, "True"_L1},
    SettingKey{"Settings"_L1, "optSet1TextBox"_L1, Boolean, "False"_L1},
    SettingKey{"Settings"_L1, "optSet2DropDown"_L1, Boolean, "True"_L1},
    SettingKey{"Settings"_L1, "optSet2TextBox"_L1, Boolean, "False"_L1},
    SettingKey{"DropDowns"_L1, "Set1Box1"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box2"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box3"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box4"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box5"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box6"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box7"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box8"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box9"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set1Box10"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box1"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box2"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box3"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box4"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box5"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box6"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box7"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box8"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box9"_L1, Text, {}},
    SettingKey{"DropDowns"_L1, "Set2Box10"_L1, Text, {}},
    SettingKey{"Settings"_L1, "chkShippingAddress"_L1, CheckBox, "1"_L1},
    SettingKey{"Settings"_L1, "chkNote"_L1, CheckBox, "1"_L1},
    SettingKey{"Settings"_L1, "txtNote"_L1, Text, "Special Instructions"_L1},
};

constexpr bool isMerchantKey(const SettingKey& key) {
    return !std::holds_alternative<std::monostate>(key.merchantField);
}

// The merchant keys lead the table, then the first-run flag, the recent files and the window's keys.
constexpr std::size_t merchantKeyCount = std::ranges::count_if(keys, isMerchantKey);
static_assert(std::ranges::all_of(std::span(keys).first<merchantKeyCount>(), isMerchantKey));
static_assert(keys.size() == merchantKeyCount + 1 + recentFileKeyCount + windowStateKeyCount);
static_assert(WindowStateKey::NoteTitle + 1 == windowStateKeyCount);

} // namespace

std::span<const SettingKey> merchantKeys() {
    return std::span(keys).first<merchantKeyCount>();
}

const SettingKey& hasBeenRunKey() {
    return keys[merchantKeyCount];
}

std::span<const SettingKey, recentFileKeyCount> recentFileKeys() {
    return std::span(keys).subspan<merchantKeyCount + 1, recentFileKeyCount>();
}

std::span<const SettingKey, windowStateKeyCount> windowStateKeys() {
    return std::span(keys).last<windowStateKeyCount>();
}

} // namespace velmora
