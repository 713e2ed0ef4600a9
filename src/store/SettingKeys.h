#pragma once

#include "model/MerchantAccount.h"
#include "model/MerchantSettings.h"
#include "store/MerchantField.h"
#include "store/StoredValue.h"

#include <QLatin1StringView>
#include <span>
#include <variant>

namespace velmora {

// How a key's text sits in the settings file: as it stands, or in the percent form (see PercentForm.h), which
// holds any text on one line, line breaks included.
enum class TextForm { AsItStands, Percent };

// One stored value: where it lives, how it converts, what an absent key reads as, for a merchant key the field
// of MerchantSettings it fills, and what a stored text that does not convert reads as when that is not the default.
struct SettingKey {
    QLatin1StringView section;
    QLatin1StringView name;
    ValueKind kind;
    QLatin1StringView defaultText; // as it stands, whatever the key's form
    MerchantField merchantField{};
    QLatin1StringView misreadText{};
    int itemValue = -1; // for a key of the main window, the id of the item value it keeps
    TextForm form = TextForm::AsItStands;
};

inline constexpr std::size_t recentFileKeyCount = 5;

// "eMail", "StoreLogo", "PurchaseSuccessURL", "PurchaseCancelURL", "ButtonImageURL", "Currency", "UseSandbox",
// "ShoppingURL", "ClientID", "SandboxClientID": the order of every read and write of the merchant settings. Each fills
// its field of MerchantSettings.
std::span<const SettingKey> merchantKeys();
// "HasBeenRun", the first-run flag.
const SettingKey& hasBeenRunKey();
// "File1" to "File5" in the section "RecentFiles": the item files last opened or saved, most recent first.
std::span<const SettingKey, recentFileKeyCount> recentFileKeys();
// The main window's keys, one for each item value, in the order they are restored and saved: the classic ones as
// earlier versions wrote them, then the others in the order of the item's values.
std::span<const SettingKey> windowStateKeys();
// The window's key of one item value: a classic value where earlier versions kept it, any other under its
// extension key in "Settings", in the percent form.
SettingKey windowStateKey(const ItemValue& value);

} // namespace velmora
