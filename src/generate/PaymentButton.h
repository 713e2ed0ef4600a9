#pragma once

#include "model/CartItem.h"

#include <QLatin1StringView>

namespace velmora {

// The command that shows the buyer's cart, and that adds to it.
inline constexpr QLatin1StringView CartCommand{"_cart"};

// What the item's price becomes in the form and the link.
enum class PriceField {
    Amount,         // "amount", always
    AmountIfGiven,  // "amount" only when there is a price; without it the buyer chooses
    RegularPayment, // a subscription's "a3", with its period and unit
};

// The kind of button the payment service is asked for: what a form posts and a link points to, the payment
// service's own picture of it, and which of the item's values the payment service takes for it.
struct PaymentButton {
    QLatin1StringView command;  // the form's "cmd"
    QLatin1StringView linkPath; // where a link points, after the payment host, its parameters following with "&";
                                // empty: there is no link to this kind
    QLatin1StringView imageHost;
    QLatin1StringView imagePath;
    QLatin1StringView alt;
    PriceField price;
    bool addsToCart;         // the form ends by asking to add the item: the cart's "add"
    bool ownImage;           // the merchant's button image stands for this kind
    bool sellsGoods;         // what a sale of goods carries: shipping charges, an address asked for, priced
                             // options, tax, handling and weight
    bool asksQuantity;       // the buyer may be let to choose how many (in a cart the buyer always may)
    bool carriesOptions;     // the option sets
    bool carriesNote;        // the buyer's note as the item says; else the note is always off
    bool carriesShoppingUrl; // where "Continue shopping" returns to
};

// The button the item is made as.
const PaymentButton& paymentButtonFor(const CartItem& item);

// Whether option set 1's prices stand for the item's price: a kind that sells goods, with priced options.
bool optionsSetThePrice(const CartItem& item);
// Whether the buyer pays the item's price: not where the options set it, nor for a donation left to the donor.
bool buyerPaysThePrice(const CartItem& item);

} // namespace velmora
