#pragma once

#include "paypal/ServiceAccess.h"

#include <QDeadlineTimer>
#include <QJsonObject>
#include <QObject>
#include <QUrlQuery>

#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace velmora {

// One request to the API.
struct ServiceCall {
    QByteArray method; // "GET", "POST", "PUT" or "DELETE"
    QString path;      // below the API's base, such as "/v1/checkout/payment-resources"
    QUrlQuery query{};
    std::optional<QJsonObject> body{};
    // Sent as PayPal-Request-Id: the service carries out a request retried with the same one only once.
    QString requestId{};
    // A lost answer (a timeout, a dropped connection) is handed back with a way to go on, rather than retried at
    // once, so that the caller can first look whether the request was carried out.
    bool handBackLostAnswer = false;
};

struct ServiceReply {
    int status = 0;       // HTTP's; 0 when no answer came
    QJsonObject json{};   // the answer, where it is a JSON object
    QString error{};      // why the call failed, for a person; empty when it succeeded
    bool lost = false;    // no answer came, though the request may have been carried out
    bool retried = false; // an earlier attempt of the request may have been carried out
    bool cancelled = false;
    // For a lost answer handed back while tries are left: sends the same request again after the next wait.
    std::function<void()> retry{};
    bool ok() const { return error.isEmpty(); }
};

// Sends requests to the API as a careful client does. The token is asked for once and reused until it expires; a
// 401 gets one fresh token and one retry. A 429 waits as long as Retry-After says (up to a limit), and answers of
// 5xx, timeouts and dropped connections are retried after growing waits, three times at most. Every request has a
// timeout. Nothing blocks: each answer comes on the event loop.
class ServiceTransport : public QObject {
    Q_OBJECT

public:
    ServiceTransport(const QUrl& base, const ClientCredentials& credentials, const ServiceTimings& timings,
                     QObject* parent = nullptr);
    ~ServiceTransport() override;

    using ReplyHandler = std::function<void(const ServiceReply&)>;
    void send(const ServiceCall& request, ReplyHandler done);
    // Ends every request under way: each is answered at once, as cancelled.
    void cancel();

private:
    struct Call;
    using CallPointer = std::shared_ptr<Call>;

    void start(const CallPointer& call);
    void sendAttempt(const CallPointer& call);
    void attemptFinished(const CallPointer& call, QNetworkReply* reply);
    void retryLater(const CallPointer& call, std::optional<std::chrono::milliseconds> wait, ServiceReply failure);
    void finish(const CallPointer& call, const ServiceReply& reply);
    void withToken(std::function<void(const QString& error)> then);
    void tokenArrived(const ServiceReply& reply);
    std::optional<std::chrono::milliseconds> retryAfter(const QNetworkReply& reply) const;

    QUrl m_base;
    ClientCredentials m_credentials;
    ServiceTimings m_timings;
    QNetworkAccessManager* m_network;
    QList<CallPointer> m_calls; // under way, or waiting to be tried again
    QString m_token;
    QDeadlineTimer m_tokenExpiry;
    QList<std::function<void(const QString&)>> m_tokenWaiters;
};

} // namespace velmora
