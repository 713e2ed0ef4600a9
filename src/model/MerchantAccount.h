#pragma once

#include <QLatin1StringView>
#include <QString>

namespace velmora {

// What the store holds until the merchant gives an account; it reaches nobody.
inline constexpr QLatin1StringView placeholderEmail{"your-paypal-email@example.com"};

inline constexpr QLatin1StringView unusableAccountWarning{
    "Set your PayPal e-mail in Options: payments from this button would not reach you."};

// Whether payments to this account can reach a merchant: an e-mail address (something@domain.tld) or a
// 13-character merchant ID of capital letters and digits, exactly as typed, and not the placeholder.
bool isUsableMerchantAccount(const QString& eMail);

} // namespace velmora
