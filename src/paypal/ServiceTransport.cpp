#include "paypal/ServiceTransport.h"

#include "paypal/ServiceError.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace velmora {

using namespace Qt::StringLiterals;
using std::chrono::milliseconds;

struct ServiceTransport::Call {
    ServiceCall request;
    ReplyHandler done;
    bool isToken = false; // the token request itself
    std::size_t retries = 0;
    bool refreshedToken = false;
    bool mayHaveArrived = false;
    bool timedOut = false;
    bool finished = false;
    QPointer<QNetworkReply> reply;
};

namespace {

// A token is taken for done a minute before it expires, so that it cannot run out on the way.
constexpr qint64 TokenMarginSeconds = 60;

QString seconds(milliseconds wait) {
    return QString::number(double(wait.count()) / 1000, 'g', 3);
}

bool isTlsFailure(QNetworkReply::NetworkError error) {
    return error == QNetworkReply::SslHandshakeFailedError || error == QNetworkReply::InsecureRedirectError;
}

// Refused or not found: the request never left.
bool neverSent(QNetworkReply::NetworkError error) {
    return error == QNetworkReply::ConnectionRefusedError || error == QNetworkReply::HostNotFoundError;
}

} // namespace

ServiceTransport::ServiceTransport(const QUrl& base, const ClientCredentials& credentials,
                                   const ServiceTimings& timings, QObject* parent)
    : QObject(parent), m_base(base), m_credentials(credentials), m_timings(timings),
      m_network(new QNetworkAccessManager(this)) {
    // The API never redirects; one that did could carry the credentials elsewhere.
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

ServiceTransport::~ServiceTransport() = default;

void ServiceTransport::send(const ServiceCall& request, ReplyHandler done) {
    auto call = std::make_shared<Call>();
    call->request = request;
    call->done = std::move(done);
    m_calls << call;
    start(call);
}

void ServiceTransport::cancel() {
    m_tokenWaiters.clear();
    for (const CallPointer& call : std::exchange(m_calls, {})) {
        call->finished = true;
        if (call->reply)
            call->reply->abort();
        if (!call->isToken)
            call->done({.error = u"Cancelled."_s, .cancelled = true});
    }
}

void ServiceTransport::start(const CallPointer& call) {
    if (call->isToken)
        return sendAttempt(call);
    withToken([this, call](const QString& error) {
        if (call->finished)
            return;
        if (!error.isEmpty())
            return finish(call, {.error = error});
        sendAttempt(call);
    });
}

void ServiceTransport::sendAttempt(const CallPointer& call) {
    QUrl url = m_base;
    QString basePath = m_base.path();
    while (basePath.endsWith(u'/'))
        basePath.chop(1);
    url.setPath(basePath + call->request.path);
    url.setQuery(call->request.query);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Velmora/" VELMORA_VERSION));
    request.setRawHeader("Accept", "application/json");
    QByteArray data;
    if (call->isToken) {
        const QByteArray pair = (m_credentials.clientId + u':' + m_credentials.secret).toUtf8();
        request.setRawHeader("Authorization", "Basic " + pair.toBase64());
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
        data = "grant_type=client_credentials";
    } else {
        request.setRawHeader("Authorization", "Bearer " + m_token.toUtf8());
        if (call->request.body) {
            request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
            data = QJsonDocument(*call->request.body).toJson(QJsonDocument::Compact);
        }
        if (!call->request.requestId.isEmpty())
            request.setRawHeader("PayPal-Request-Id", call->request.requestId.toUtf8());
    }
    call->timedOut = false;
    QNetworkReply* reply = data.isEmpty() ? m_network->sendCustomRequest(request, call->request.method)
                                          : m_network->sendCustomRequest(request, call->request.method, data);
    call->reply = reply;
    QTimer::singleShot(m_timings.requestTimeout, reply, [call, reply] {
        if (call->reply != reply)
            return; // an attempt that has ended
        call->timedOut = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, call, reply] { attemptFinished(call, reply); });
}

void ServiceTransport::attemptFinished(const CallPointer& call, QNetworkReply* reply) {
    reply->deleteLater();
    call->reply = nullptr;
    if (call->finished)
        return; // cancelled
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
    ServiceReply answer{
        .status = status, .json = QJsonDocument::fromJson(body).object(), .retried = call->mayHaveArrived};

    // A connection that broke in the middle of an answer leaves its status behind; the answer is lost all the same.
    const QNetworkReply::NetworkError error = reply->error();
    if (status == 0 || (error > QNetworkReply::NoError && error <= QNetworkReply::UnknownNetworkError)) {
        if (isTlsFailure(error))
            return finish(call, {.error = u"Couldn't reach PayPal safely: %1"_s.arg(reply->errorString())});
        answer = {.lost = call->timedOut || !neverSent(error), .retried = call->mayHaveArrived};
        if (call->timedOut)
            answer.error = u"PayPal did not answer within %1 s"_s.arg(seconds(m_timings.requestTimeout));
        else if (error == QNetworkReply::RemoteHostClosedError)
            answer.error = u"The connection to PayPal broke off before its answer arrived"_s;
        else
            answer.error = u"Couldn't reach PayPal: %1"_s.arg(reply->errorString());
        return retryLater(call, std::nullopt, answer);
    }
    if (status == 401 && !call->isToken && !call->refreshedToken) {
        call->refreshedToken = true;
        m_token.clear();
        return start(call);
    }
    if (status >= 200 && status < 300)
        return finish(call, answer);
    answer.error = serviceErrorText(status, body);
    if (status == 429)
        return retryLater(call, retryAfter(*reply), answer);
    if (status >= 500)
        return retryLater(call, std::nullopt, answer);
    finish(call, answer);
}

void ServiceTransport::retryLater(const CallPointer& call, std::optional<milliseconds> wait, ServiceReply failure) {
    if (call->retries >= m_timings.backoff.size()) {
        failure.error += u" (tried %1 times)"_s.arg(call->retries + 1);
        return finish(call, failure);
    }
    const milliseconds delay = wait.value_or(m_timings.backoff[call->retries]);
    ++call->retries;
    // A request refused for its rate was not carried out; any other may have been.
    call->mayHaveArrived = call->mayHaveArrived || failure.status != 429;
    QPointer<ServiceTransport> self(this);
    const auto again = [self, call, delay] {
        if (!self)
            return;
        call->finished = false;
        if (!self->m_calls.contains(call))
            self->m_calls << call;
        QTimer::singleShot(delay, self, [self, call] {
            if (!call->finished)
                self->start(call);
        });
    };
    if (failure.lost && call->request.handBackLostAnswer) {
        failure.retry = again;
        return finish(call, failure);
    }
    again();
}

void ServiceTransport::finish(const CallPointer& call, const ServiceReply& reply) {
    call->finished = true;
    m_calls.removeOne(call);
    call->done(reply);
}

void ServiceTransport::withToken(std::function<void(const QString& error)> then) {
    if (!m_token.isEmpty() && !m_tokenExpiry.hasExpired())
        return then({});
    m_tokenWaiters << std::move(then);
    if (m_tokenWaiters.size() > 1)
        return; // asked for already
    auto call = std::make_shared<Call>();
    call->isToken = true;
    call->request = {"POST", u"/v1/oauth2/token"_s};
    call->done = [this](const ServiceReply& reply) { tokenArrived(reply); };
    m_calls << call;
    start(call);
}

void ServiceTransport::tokenArrived(const ServiceReply& reply) {
    QString error;
    if (!reply.ok()) {
        error = u"PayPal gave no access token for the client ID \"%1\": %2"_s.arg(m_credentials.clientId, reply.error);
    } else {
        m_token = reply.json.value(u"access_token").toString();
        const qint64 lifetime = reply.json.value(u"expires_in").toInteger();
        m_tokenExpiry.setRemainingTime(std::max<qint64>(0, lifetime - TokenMarginSeconds) * 1000);
        if (m_token.isEmpty())
            error = u"PayPal's answer to the token request holds no access token"_s;
    }
    for (const auto& waiter : std::exchange(m_tokenWaiters, {}))
        waiter(error);
}

// Seconds, or a date (HTTP allows both); none when the answer gives neither.
std::optional<milliseconds> ServiceTransport::retryAfter(const QNetworkReply& reply) const {
    const QByteArray header = reply.rawHeader("Retry-After").trimmed();
    if (header.isEmpty())
        return std::nullopt;
    bool isNumber = false;
    qint64 wait = header.toLongLong(&isNumber) * m_timings.retryAfterSecond.count();
    if (!isNumber) {
        const QDateTime when = QDateTime::fromString(QString::fromLatin1(header), Qt::RFC2822Date);
        if (!when.isValid())
            return std::nullopt;
        wait = QDateTime::currentDateTimeUtc().secsTo(when) * m_timings.retryAfterSecond.count();
    }
    return std::clamp(milliseconds(wait), milliseconds(0), m_timings.longestRetryAfter);
}

} // namespace velmora
