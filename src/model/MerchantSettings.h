#pragma once

#include <QString>

namespace velmora {

// The merchant's own data, carried by every generated snippet.
struct MerchantSettings {
    QString eMail, StoreLogo, PurchaseSuccessURL, PurchaseCancelURL, ButtonImageURL;
};

} // namespace velmora
