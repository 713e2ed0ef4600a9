#include "paypal/PaymentLink.h"

#include <QJsonArray>
#include <QUrl>
#include <QUrlQuery>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

QString linkOfRel(const QJsonObject& resource, QStringView rel) {
    for (const QJsonValue& link : resource.value(u"links").toArray()) {
        if (link.toObject().value(u"rel").toString() == rel)
            return link.toObject().value(u"href").toString();
    }
    return {};
}

} // namespace

PaymentLink readPaymentLink(const QJsonObject& resource) {
    const QJsonObject line = resource.value(u"line_items").toArray().at(0).toObject();
    QString address = resource.value(u"payment_link").toString();
    if (address.isEmpty())
        address = linkOfRel(resource, u"payment_link");
    return {resource.value(u"id").toString(), line.value(u"product_id").toString(), line.value(u"name").toString(),
            address, resource};
}

QList<PaymentLink> linksForItem(const QList<PaymentLink>& links, const QString& itemId) {
    QList<PaymentLink> found;
    for (const PaymentLink& link : links) {
        if (link.productId == itemId)
            found << link;
    }
    return found;
}

// Only the token is taken: the next page is asked for at the API's own address, so that a link elsewhere is never
// sent the credentials.
QString nextPageToken(const QJsonObject& page) {
    return QUrlQuery(QUrl(linkOfRel(page, u"next"))).queryItemValue(u"page_token"_s, QUrl::FullyDecoded);
}

QString linkIds(const QList<PaymentLink>& links) {
    QStringList ids;
    for (const PaymentLink& link : links)
        ids << link.id;
    return ids.join(u", ");
}

} // namespace velmora
