#include "paypal/PaymentLinkClient.h"

#include "paypal/PaymentLinkBody.h"
#include "paypal/ServiceTransport.h"

#include <QJsonArray>
#include <QSet>
#include <QUrl>
#include <QUuid>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

constexpr auto ResourcesPath = "/v1/checkout/payment-resources";
// The most the service gives in one page.
constexpr auto PageSize = "100";
// Far beyond any merchant's links; a listing that goes on longer is broken.
constexpr int MostPages = 1000;

QString resourcePath(const QString& id) {
    return QLatin1StringView(ResourcesPath) + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(id));
}

QString itemIdOf(const QJsonObject& body) {
    return body.value(u"line_items").toArray().at(0).toObject().value(u"product_id").toString();
}

// A cancelled request says only that.
QString failure(const QString& what, const ServiceReply& reply) {
    return reply.cancelled ? reply.error : what + u": "_s + reply.error;
}

QString heldByMany(const QString& itemId, const QList<PaymentLink>& links) {
    return u"%1 payment links have the item ID \"%2\" (%3), and Velmora cannot tell which is the item's; nothing "
           u"was changed. Remove all but one"_s.arg(links.size())
               .arg(itemId, linkIds(links));
}

} // namespace

struct PaymentLinkClient::Listing {
    LinkListing found;
    QSet<QString> pageTokens;
    std::function<void(const LinkListing&)> done;
};

struct PaymentLinkClient::Batch {
    quint64 generation = 0;
    QList<QJsonObject> bodies;
    QStringList itemIds;
    qsizetype next = 0;
    QList<PaymentLink> account; // as listed at the start, and as the batch has changed it since
    std::function<void(const PublishResult&)> published;
    std::function<void(const UnpublishResult&)> unpublished;
    Done finished;
};

PaymentLinkClient::PaymentLinkClient(const QUrl& apiBase, const ClientCredentials& credentials, QObject* parent,
                                     const ServiceTimings& timings)
    : QObject(parent), m_transport(new ServiceTransport(apiBase, credentials, timings, this)) {}

PaymentLinkClient::~PaymentLinkClient() = default;

void PaymentLinkClient::cancel() {
    ++m_generation;
    m_transport->cancel();
}

bool PaymentLinkClient::isCancelled(const BatchPointer& batch) const {
    return batch->generation != m_generation;
}

void PaymentLinkClient::testConnection(Done done) {
    QUrlQuery query;
    query.addQueryItem(u"page_size"_s, u"1"_s);
    m_transport->send({"GET", QLatin1StringView(ResourcesPath), query},
                      [done = std::move(done)](const ServiceReply& reply) { done(reply.error); });
}

void PaymentLinkClient::listLinks(std::function<void(const LinkListing&)> done) {
    auto listing = std::make_shared<Listing>();
    listing->done = std::move(done);
    listPage(listing, {});
}

// page_size goes with the first request only; the next page is named by its token alone.
void PaymentLinkClient::listPage(const std::shared_ptr<Listing>& listing, const QString& pageToken) {
    QUrlQuery query;
    if (pageToken.isEmpty())
        query.addQueryItem(u"page_size"_s, QLatin1StringView(PageSize));
    else
        query.addQueryItem(u"page_token"_s, QString::fromLatin1(QUrl::toPercentEncoding(pageToken)));
    m_transport->send({"GET", QLatin1StringView(ResourcesPath), query}, [this, listing](const ServiceReply& reply) {
        if (!reply.ok())
            return listing->done({{}, failure(u"Couldn't list the payment links"_s, reply)});
        for (const QJsonValue& resource : reply.json.value(u"resources").toArray())
            listing->found.links << readPaymentLink(resource.toObject());
        const QString next = nextPageToken(reply.json);
        if (next.isEmpty())
            return listing->done(listing->found);
        if (listing->pageTokens.contains(next) || listing->pageTokens.size() >= MostPages)
            return listing->done({{}, u"Couldn't list the payment links: PayPal's pages of them do not end"_s});
        listing->pageTokens << next;
        listPage(listing, next);
    });
}

void PaymentLinkClient::publish(const QList<QJsonObject>& bodies, std::function<void(const PublishResult&)> each,
                                Done finished) {
    auto batch = std::make_shared<Batch>();
    batch->bodies = bodies;
    batch->published = std::move(each);
    batch->finished = std::move(finished);
    startBatch(batch, &PaymentLinkClient::publishNext);
}

// Every batch works from the account's links as they stand when it starts.
void PaymentLinkClient::startBatch(const BatchPointer& batch, void (PaymentLinkClient::*next)(const BatchPointer&)) {
    batch->generation = m_generation;
    listLinks([this, batch, next](const LinkListing& listing) {
        if (!listing.error.isEmpty())
            return batch->finished(listing.error);
        batch->account = listing.links;
        (this->*next)(batch);
    });
}

void PaymentLinkClient::publishNext(const BatchPointer& batch) {
    if (isCancelled(batch))
        return batch->finished(u"Cancelled."_s);
    if (batch->next == batch->bodies.size())
        return batch->finished({});
    const qsizetype index = batch->next++;
    const auto done = [this, batch, index](PublishResult result) {
        if (isCancelled(batch))
            return batch->finished(u"Cancelled."_s);
        result.index = index;
        batch->published(result);
        publishNext(batch);
    };
    const QJsonObject& body = batch->bodies[index];
    const QList<PaymentLink> found = linksForItem(batch->account, itemIdOf(body));
    if (found.size() > 1)
        return done({.error = heldByMany(itemIdOf(body), found)});
    if (found.isEmpty())
        return create(batch, body, done);
    if (linkHoldsBody(found.front().resource, body))
        return done({.link = found.front(), .how = Published::Unchanged});
    replace(batch, body, found.front(), done);
}

// The request id stays with the create through its retries, so that the service makes one link of them.
void PaymentLinkClient::create(const BatchPointer& batch, const QJsonObject& body, const ItemDone& done) {
    const ServiceCall call{
        "POST", QLatin1StringView(ResourcesPath), {}, body, QUuid::createUuid().toString(QUuid::WithoutBraces), true};
    m_transport->send(call, [this, batch, itemId = itemIdOf(body), done](const ServiceReply& reply) {
        createAnswered(batch, itemId, done, reply);
    });
}

// After a lost answer the link may have been made all the same: the account is listed again before any retry.
void PaymentLinkClient::createAnswered(const BatchPointer& batch, const QString& itemId, const ItemDone& done,
                                       const ServiceReply& reply) {
    if (reply.ok()) {
        const PaymentLink link = readPaymentLink(reply.json);
        if (link.address.isEmpty())
            return done(
                {.error = u"PayPal made the payment link %1 for the item \"%2\" but did not say its address"_s.arg(
                     link.id, itemId)});
        batch->account << link;
        return done({.link = link, .how = Published::Created});
    }
    const QString refused = failure(u"Couldn't publish the item \"%1\""_s.arg(itemId), reply);
    if (!reply.lost || reply.cancelled)
        return done({.error = refused});
    listLinks([batch, done, reply, itemId, refused](const LinkListing& listing) {
        if (!listing.error.isEmpty())
            return done({.error = refused + u"; then "_s + listing.error});
        const QList<PaymentLink> found = linksForItem(listing.links, itemId);
        if (found.size() > 1)
            return done({.error = heldByMany(itemId, found)});
        if (found.size() == 1) {
            batch->account = listing.links;
            return done({.link = found.front(), .how = Published::Created});
        }
        if (!reply.retry)
            return done({.error = refused});
        reply.retry();
    });
}

// A full replacement: what the body does not hold, the link loses.
void PaymentLinkClient::replace(const BatchPointer& batch, const QJsonObject& body, const PaymentLink& link,
                                const ItemDone& done) {
    m_transport->send({"PUT", resourcePath(link.id), {}, body}, [batch, link, body, done](const ServiceReply& reply) {
        if (!reply.ok())
            return done(
                {.error = failure(
                     u"Couldn't update the payment link %1 of the item \"%2\""_s.arg(link.id, itemIdOf(body)), reply)});
        // Mostly 204 without a body; where the service answers with the link, that is what it holds now.
        QJsonObject resource = link.resource;
        for (auto field = body.begin(); field != body.end(); ++field)
            resource.insert(field.key(), field.value());
        PaymentLink updated = readPaymentLink(reply.json.isEmpty() ? resource : reply.json);
        if (updated.address.isEmpty())
            updated.address = link.address;
        batch->account.removeIf([&link](const PaymentLink& held) { return held.id == link.id; });
        batch->account << updated;
        done({.link = updated, .how = Published::Updated});
    });
}

void PaymentLinkClient::unpublish(const QStringList& itemIds, std::function<void(const UnpublishResult&)> each,
                                  Done finished) {
    auto batch = std::make_shared<Batch>();
    batch->itemIds = itemIds;
    batch->unpublished = std::move(each);
    batch->finished = std::move(finished);
    startBatch(batch, &PaymentLinkClient::unpublishNext);
}

void PaymentLinkClient::unpublishNext(const BatchPointer& batch) {
    if (isCancelled(batch))
        return batch->finished(u"Cancelled."_s);
    if (batch->next == batch->itemIds.size())
        return batch->finished({});
    const qsizetype index = batch->next++;
    const QString& itemId = batch->itemIds[index];
    const auto done = [this, batch, index](UnpublishResult result) {
        if (isCancelled(batch))
            return batch->finished(u"Cancelled."_s);
        result.index = index;
        batch->unpublished(result);
        unpublishNext(batch);
    };
    const QList<PaymentLink> found = linksForItem(batch->account, itemId);
    if (found.size() > 1)
        return done({.error = heldByMany(itemId, found)});
    if (found.isEmpty())
        return done({});
    const QString id = found.front().id;
    deleteLink(id, [batch, id, done](const QString& error) {
        if (error.isEmpty())
            batch->account.removeIf([&id](const PaymentLink& held) { return held.id == id; });
        done({.removedId = error.isEmpty() ? id : QString(), .error = error});
    });
}

// A delete retried after a lost answer may find the link gone already: the first attempt removed it.
void PaymentLinkClient::deleteLink(const QString& id, Done done) {
    m_transport->send({"DELETE", resourcePath(id)}, [id, done = std::move(done)](const ServiceReply& reply) {
        if (reply.ok() || (reply.status == 404 && reply.retried))
            return done({});
        done(failure(u"Couldn't delete the payment link %1"_s.arg(id), reply));
    });
}

} // namespace velmora
