#include "generate/PaymentButton.h"

#include "generate/PaymentHost.h"
#include "model/OrderDetails.h"

#include <array>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
using enum PriceField;

// The pictures of the kinds that came after the cart's.
constexpr auto ImageHost = "www.paypalobjects.com"_L1;

// By ButtonKind.
// clang-format off
constexpr std::array<PaymentButton, 4> Buttons{{
    {CartCommand, "/cart/add=1"_L1, PaymentHost, "/images/x-click-but22.gif"_L1, "Add to cart"_L1,
     Amount, true, true, true, false, true, true, true},
    {"_xclick"_L1, "/cgi-bin/webscr?cmd=_xclick"_L1, ImageHost, "/en_US/i/btn/btn_buynow_LG.gif"_L1, "Buy Now"_L1,
     Amount, false, false, true, true, true, true, true},
    {"_donations"_L1, "/cgi-bin/webscr?cmd=_donations"_L1, ImageHost, "/en_US/i/btn/btn_donate_LG.gif"_L1,
     "Donate"_L1, AmountIfGiven, false, false, false, false, false, true, false},
    {"_xclick-subscriptions"_L1, {}, ImageHost, "/en_US/i/btn/btn_subscribe_LG.gif"_L1, "Subscribe"_L1,
     RegularPayment, false, false, false, false, true, false, false},
}};
// clang-format on

} // namespace

const PaymentButton& paymentButtonFor(const CartItem& item) {
    return Buttons[std::size_t(item.Kind)];
}

bool optionsSetThePrice(const CartItem& item) {
    return paymentButtonFor(item).sellsGoods && hasPricedOptions(item);
}

bool buyerPaysThePrice(const CartItem& item) {
    const bool leftToTheDonor = paymentButtonFor(item).price == AmountIfGiven && item.Price.isEmpty();
    return !optionsSetThePrice(item) && !leftToTheDonor;
}

} // namespace velmora
