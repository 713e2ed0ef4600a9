#pragma once

#include <QString>

namespace velmora {

// The merchant's own data, carried by every generated snippet.
struct MerchantSettings {
    QString eMail, StoreLogo, PurchaseSuccessURL, PurchaseCancelURL, ButtonImageURL;
    // A cart currency's code; empty: none is sent, and the account's own currency applies. The initialiser lets
    // the five texts above be given without it.
    QString Currency{};
};

} // namespace velmora
