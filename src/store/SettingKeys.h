#pragma once

#include <QLatin1StringView>
#include <span>

namespace velmora {

enum class SettingKind {
    Text,
    Boolean,      // "True" / "False"
    CheckBox,     // "0" unchecked, "1" checked, "2" greyed
    OptionButton, // selected or not, as a boolean
};

// One stored value: where it lives, how it converts, what an absent key reads as, and for the main window's
// keys the objectName of the control that shows it.
struct SettingKey {
    QLatin1StringView section;
    QLatin1StringView name;
    SettingKind kind;
    QLatin1StringView defaultText;
    QLatin1StringView control;
};

inline constexpr QLatin1StringView placeholderEmail{"your-paypal-email@example.com"};
inline constexpr std::size_t merchantKeyCount = 5;
inline constexpr std::size_t windowStateKeyCount = 36;

// "eMail", "StoreLogo", "PurchaseSuccessURL", "PurchaseCancelURL", "ButtonImageURL": the order of every
// read and write of the merchant settings.
std::span<const SettingKey, merchantKeyCount> merchantKeys();
// "HasBeenRun", the first-run flag.
const SettingKey& hasBeenRunKey();
// The main window's 36 keys in the order they are restored and saved.
std::span<const SettingKey, windowStateKeyCount> windowStateKeys();

} // namespace velmora
