#include "paypal/ServiceAccess.h"

#include <QHostAddress>

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace Qt::StringLiterals;

bool isSafeApiBase(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment())
        return false;
    if (url.scheme() == u"https")
        return true;
    return url.scheme() == u"http" && QHostAddress(url.host()).isLoopback();
}

ApiBase paymentLinkApiBase(bool sandbox) {
    const QByteArray replaced = qgetenv("VELMORA_PAYPAL_API");
    if (replaced.isEmpty())
        return {QUrl(sandbox ? SandboxApiBase : LiveApiBase), {}};
    const QUrl url(QString::fromUtf8(replaced), QUrl::StrictMode);
    if (!isSafeApiBase(url))
        return {{},
                u"VELMORA_PAYPAL_API is \"%1\", which is neither an https:// address nor an http:// address of this "
                u"machine (such as http://127.0.0.1:8080); the credentials are sent nowhere else."_s.arg(
                    QString::fromUtf8(replaced))};
    return {url, {}};
}

ServiceTimings serviceTimings() {
    ServiceTimings timings;
    bool ok = false;
    const double scale = qEnvironmentVariable("VELMORA_PAYPAL_TIME_SCALE").toDouble(&ok);
    // Beyond a hundredfold no test needs it, and the waits would overflow.
    if (!ok || !(scale > 0 && scale <= 100))
        return timings;
    const auto scaled = [scale](std::chrono::milliseconds& wait) {
        wait = std::chrono::milliseconds(std::max<qint64>(1, std::llround(double(wait.count()) * scale)));
    };
    scaled(timings.requestTimeout);
    scaled(timings.retryAfterSecond);
    scaled(timings.longestRetryAfter);
    std::ranges::for_each(timings.backoff, scaled);
    return timings;
}

} // namespace velmora
