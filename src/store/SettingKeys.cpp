#include "store/SettingKeys.h"

#include <algorithm>
#include <array>
#include <vector>

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
    SettingKey{"Settings"_L1, "ClientID"_L1, Text, {}, &MerchantSettings::ClientID},
    SettingKey{"Settings"_L1, "SandboxClientID"_L1, Text, {}, &MerchantSettings::SandboxClientID},

    SettingKey{"Settings"_L1, "HasBeenRun"_L1, Boolean, "False"_L1},

    // A section of their own, so that the window's keys stay as earlier versions wrote them.
    SettingKey{"RecentFiles"_L1, "File1"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File2"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File3"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File4"_L1, Text, {}},
    SettingKey{"RecentFiles"_L1, "File5"_L1, Text, {}},
};

constexpr bool isMerchantKey(const SettingKey& key) {
    return !std::holds_alternative<std::monostate>(key.merchantField);
}

// The merchant keys lead the table, then the first-run flag, the recent files and the window's keys.
constexpr std::size_t merchantKeyCount = std::ranges::count_if(keys, isMerchantKey);
static_assert(std::ranges::all_of(std::span(keys).first<merchantKeyCount>(), isMerchantKey));
static_assert(keys.size() == merchantKeyCount + 1 + recentFileKeyCount);

// The window's classic keys, restored and saved in this order: whether a set is in use comes before its kind.
namespace Id = ItemValueId;
constexpr std::array<int, ClassicFieldCount> classicStoreOrder{
    Id::ItemName,
    Id::ItemID,
    Id::Price,
    Id::Shipping1,
    Id::Shipping2,
    Id::Option1Active,
    Id::Option2Active,
    Id::Option1Name,
    Id::Option2Name,
    Id::Option1DropDown,
    Id::Option1TextBox,
    Id::Option2DropDown,
    Id::Option2TextBox,
    Id::Option1Values + 0,
    Id::Option1Values + 1,
    Id::Option1Values + 2,
    Id::Option1Values + 3,
    Id::Option1Values + 4,
    Id::Option1Values + 5,
    Id::Option1Values + 6,
    Id::Option1Values + 7,
    Id::Option1Values + 8,
    Id::Option1Values + 9,
    Id::Option2Values + 0,
    Id::Option2Values + 1,
    Id::Option2Values + 2,
    Id::Option2Values + 3,
    Id::Option2Values + 4,
    Id::Option2Values + 5,
    Id::Option2Values + 6,
    Id::Option2Values + 7,
    Id::Option2Values + 8,
    Id::Option2Values + 9,
    Id::ShippingAddress,
    Id::Note,
    Id::NoteTitle,
};
static_assert(classicStoreOrder.size() == ClassicFieldCount);

// The store's text form of an item value's default: a kind button's "1" is "True".
QLatin1StringView storedDefault(const ItemValue& value) {
    if (value.kind != ItemValueKind::KindButton)
        return value.defaultText;
    return value.defaultText == "1"_L1 ? "True"_L1 : "False"_L1;
}

std::vector<SettingKey> makeWindowStateKeys() {
    std::vector<SettingKey> window;
    for (const int id : classicStoreOrder)
        window.push_back(windowStateKey(itemValue(id)));
    for (const ItemValue& value : itemValues()) {
        if (!value.isClassic())
            window.push_back(windowStateKey(value));
    }
    return window;
}

} // namespace

SettingKey windowStateKey(const ItemValue& value) {
    SettingKey key{value.storeSection, value.storeKey, storedKind(value.kind), storedDefault(value), {}, {}, value.id};
    if (!value.isClassic()) {
        key.section = "Settings"_L1;
        key.name = value.extensionKey;
        key.form = TextForm::Percent;
    }
    return key;
}

std::span<const SettingKey> merchantKeys() {
    return std::span(keys).first<merchantKeyCount>();
}

const SettingKey& hasBeenRunKey() {
    return keys[merchantKeyCount];
}

std::span<const SettingKey, recentFileKeyCount> recentFileKeys() {
    return std::span(keys).subspan<merchantKeyCount + 1, recentFileKeyCount>();
}

std::span<const SettingKey> windowStateKeys() {
    static const std::vector<SettingKey> window = makeWindowStateKeys();
    return window;
}

} // namespace velmora
