#pragma once

#include "model/MerchantSettings.h"

#include <QLatin1StringView>

namespace velmora {

// The payment service's web host: form action, default button image and cart link.
inline constexpr QLatin1StringView PaymentHost{"www.paypal.com"};
// Its test site, where buttons make payments that move no money.
inline constexpr QLatin1StringView SandboxHost{"www.sandbox.paypal.com"};

// Where a form posts and a link points. Button images stay on PaymentHost: they are only pictures.
inline QLatin1StringView paymentActionHost(const MerchantSettings& settings) {
    return settings.UseSandbox ? SandboxHost : PaymentHost;
}

} // namespace velmora
