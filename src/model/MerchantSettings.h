#pragma once

#include <QString>

namespace velmora {

// The merchant's own data, carried by every generated snippet.
struct MerchantSettings {
    QString eMail, StoreLogo, PurchaseSuccessURL, PurchaseCancelURL, ButtonImageURL;
    // A cart currency's code; empty: none is sent, and the account's own currency applies. The initialisers here
    // and below let the five texts above be given without the rest.
    QString Currency{};
    // Payments go to the payment service's test site: no real money moves.
    bool UseSandbox = false;
    // The shop page the cart's "Continue shopping" returns to; empty: the payment service decides.
    QString ShoppingURL{};
    // The payment service's REST app that publishes payment links, live and in the sandbox. Its secrets are kept in
    // the desktop's keyring, never here.
    QString ClientID{}, SandboxClientID{};
};

} // namespace velmora
