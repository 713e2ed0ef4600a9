#pragma once

#include <QLatin1StringView>

namespace velmora {

// The payment service's web host: form action, default button image and cart link.
inline constexpr QLatin1StringView PaymentHost{"www.paypal.com"};

} // namespace velmora
