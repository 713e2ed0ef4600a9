#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace velmora {

// A payment link as the service lists it.
struct PaymentLink {
    QString id;
    QString productId; // of its line item: the item ID of the item it sells
    QString name;
    QString address; // the checkout page a buyer opens
    QJsonObject resource;
};

// The link's fields. The address is read from "payment_link", and where the answer has none there (a create's
// answer may not), from its link of rel "payment_link".
PaymentLink readPaymentLink(const QJsonObject& resource);

// The links that sell the item with this ID.
QList<PaymentLink> linksForItem(const QList<PaymentLink>& links, const QString& itemId);
// Their ids, "PLB-1, PLB-2", for a message that more than one holds an item ID.
QString linkIds(const QList<PaymentLink>& links);

// The token of the page after this one of a listing, from its link of rel "next"; empty on the last page.
QString nextPageToken(const QJsonObject& page);

} // namespace velmora
