#pragma once

#include "model/MerchantAccount.h"
#include "model/MerchantSettings.h"
#include "store/MerchantField.h"
#include "store/StoredValue.h"

#include <QLatin1StringView>
#include <span>
#include <variant>

namespace velmora {

// One stored value: where it lives, how it converts, what an absent key reads as, for a merchant key the field
// of MerchantSettings it fills, and what a stored text that does not convert reads as when that is not the default.
struct SettingKey {
    QLatin1StringView section;
    QLatin1StringView name;
    ValueKind kind;
    QLatin1StringView defaultText;
    MerchantField merchantField{};
    QLatin1StringView misreadText{};
};

inline constexpr std::size_t windowStateKeyCount = 36;
inline constexpr std::size_t recentFileKeyCount = 5;

// Positions in windowStateKeys(), for code that names a key of the main window.
namespace WindowStateKey {
enum : int {
    ItemName,
    ItemID,
    Price,
    Shipping1,
    Shipping2,
    UseOption1,
    UseOption2,
    Option1Name,
    Option2Name,
    Option1DropDown,
    Option1TextBox,
    Option2DropDown,
    Option2TextBox,
    Set1Box1,                 // ten keys
    Set2Box1 = Set1Box1 + 10, // ten keys
    ShippingAddress = Set2Box1 + 10,
    Note,
    NoteTitle,
};
} // namespace WindowStateKey

// "eMail", "StoreLogo", "PurchaseSuccessURL", "PurchaseCancelURL", "ButtonImageURL", "Currency", "UseSandbox",
// "ShoppingURL": the order of every read and write of the merchant settings. Each fills its field of
// MerchantSettings.
std::span<const SettingKey> merchantKeys();
// "HasBeenRun", the first-run flag.
const SettingKey& hasBeenRunKey();
// "File1" to "File5" in the section "RecentFiles": the item files last opened or saved, most recent first.
std::span<const SettingKey, recentFileKeyCount> recentFileKeys();
// The main window's 36 keys in the order they are restored and saved.
std::span<const SettingKey, windowStateKeyCount> windowStateKeys();

} // namespace velmora
