#pragma once

#include "paypal/PaymentLink.h"
#include "paypal/ServiceAccess.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace velmora {

class ServiceTransport;
struct ServiceReply;

// What publishing did to an item's link.
enum class Published { Created, Updated, Unchanged };

struct PublishResult {
    qsizetype index = 0; // of the body, in the order given
    PaymentLink link{};
    Published how = Published::Created;
    QString error{}; // for a person, naming the item; empty when the link is as the body says
};

struct UnpublishResult {
    qsizetype index = 0; // of the item ID, in the order given
    QString removedId{}; // the link deleted; empty when no link had the item's ID
    QString error{};
};

struct LinkListing {
    QList<PaymentLink> links;
    QString error{};
};

// The payment links of one REST app's account. The item ID is the key and the service the only record: every
// operation that needs an item's link finds it by listing the account's links, and an item ID held by two links
// is reported and left alone. Operations run on the event loop; their answers come through the callbacks given,
// each exactly once (the batches' finished callback last), also after cancel().
class PaymentLinkClient : public QObject {
    Q_OBJECT

public:
    PaymentLinkClient(const QUrl& apiBase, const ClientCredentials& credentials, QObject* parent = nullptr,
                      const ServiceTimings& timings = serviceTimings());
    ~PaymentLinkClient() override;

    // An error for a person; empty for success.
    using Done = std::function<void(const QString& error)>;

    // Asks for a token, then lists one payment link: whether these credentials may publish.
    void testConnection(Done done);
    // Every payment link of the account, all pages.
    void listLinks(std::function<void(const LinkListing&)> done);
    // Publishes each body in order (see buildPaymentLinkBody): creates the link, replaces it in full, or leaves it
    // as it is when it already holds the body. Each result comes as soon as it is done; finished says why the
    // rest could not be done, if so.
    void publish(const QList<QJsonObject>& bodies, std::function<void(const PublishResult&)> each, Done finished);
    // Deletes the link of each item ID in order.
    void unpublish(const QStringList& itemIds, std::function<void(const UnpublishResult&)> each, Done finished);
    // Deletes the link with this id.
    void deleteLink(const QString& id, Done done);
    // Ends whatever is under way; its callbacks are told "Cancelled.".
    void cancel();

private:
    struct Batch;
    struct Listing;
    using BatchPointer = std::shared_ptr<Batch>;

    void listPage(const std::shared_ptr<Listing>& listing, const QString& pageToken);
    void startBatch(const BatchPointer& batch, void (PaymentLinkClient::*next)(const BatchPointer&));
    void publishNext(const BatchPointer& batch);
    using ItemDone = std::function<void(PublishResult)>;
    void create(const BatchPointer& batch, const QJsonObject& body, const ItemDone& done);
    void createAnswered(const BatchPointer& batch, const QString& itemId, const ItemDone& done,
                        const ServiceReply& reply);
    void replace(const BatchPointer& batch, const QJsonObject& body, const PaymentLink& link, const ItemDone& done);
    void unpublishNext(const BatchPointer& batch);
    bool isCancelled(const BatchPointer& batch) const;

    ServiceTransport* m_transport;
    quint64 m_generation = 0; // counts cancels, so that a batch started before one stops
};

} // namespace velmora
