#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QJsonObject>
#include <QLocale>
#include <QString>

namespace velmora {

// What publishing an item sends, or why it cannot be published.
struct PaymentLinkBody {
    QJsonObject body; // the request body of a create, and of a full replacement
    QString refusal;  // for a person, naming the field and the limit; empty when the item can be published
    bool ok() const { return refusal.isEmpty(); }
};

// Why the item's kind of button cannot be a payment link (a donation, a subscription); empty when it can.
QString paymentLinkKindRefusal(const CartItem& item);

// The payment link of one item: its name, ID, price (or its options' prices) and shipping, whether a shipping
// address is asked for, the buyer's note, the drop-down option sets, the buyer's quantity and a tax rate. Handling,
// weight and advanced variables have no place in a link, and an item with any is refused. Every limit the payment
// service sets is checked here, so that nothing is sent for an item it would refuse. The locale is the one the money
// texts were typed in.
PaymentLinkBody buildPaymentLinkBody(const CartItem& item, const MerchantSettings& settings,
                                     const QLocale& locale = QLocale());

// Whether the link (a resource as the service lists it) already holds every field the body sets, so that
// publishing it again would change nothing. Fields Velmora never sends (a description, say) are
// not compared.
bool linkHoldsBody(const QJsonObject& resource, const QJsonObject& body);

} // namespace velmora
