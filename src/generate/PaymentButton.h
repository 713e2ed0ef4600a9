#pragma once

#include "model/CartItem.h"

#include <QLatin1StringView>

namespace velmora {

// The command that shows the buyer's cart, and that adds to it.
inline constexpr QLatin1StringView CartCommand{"_cart"};

// The kind of button the payment service is asked for: what a form posts and a link points to, and the payment
// service's own picture of it.
struct PaymentButton {
    QLatin1StringView command;  // the form's "cmd"
    QLatin1StringView linkPath; // where a link points, after the payment host; its parameters follow with "&"
    QLatin1StringView imageHost;
    QLatin1StringView imagePath;
    QLatin1StringView alt;
    bool addsToCart; // the form ends by asking to add the item: the cart's "add"
};

// The button the item is made as.
const PaymentButton& paymentButtonFor(const CartItem& item);

} // namespace velmora
