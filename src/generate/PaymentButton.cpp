#include "generate/PaymentButton.h"

#include "generate/PaymentHost.h"

namespace velmora {

namespace {

using namespace Qt::StringLiterals;

constexpr PaymentButton AddToCart{
    CartCommand, "/cart/add=1"_L1, PaymentHost, "/images/x-click-but22.gif"_L1, "Add to cart"_L1, true};

} // namespace

const PaymentButton& paymentButtonFor(const CartItem&) {
    return AddToCart;
}

} // namespace velmora
