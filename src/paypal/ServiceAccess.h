#pragma once

#include "model/MerchantSettings.h"

#include <QLatin1StringView>
#include <QString>
#include <QUrl>

#include <array>
#include <chrono>

namespace velmora {

// PayPal's REST hosts. The payment-links pages also show api.paypal.com for live payments; api-m is the host of
// every other REST API of PayPal's and serves the same payloads.
inline constexpr QLatin1StringView LiveApiBase{"https://api-m.paypal.com"};
inline constexpr QLatin1StringView SandboxApiBase{"https://api-m.sandbox.paypal.com"};

// Where the API is reached, or why it cannot be.
struct ApiBase {
    QUrl url;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The live or the sandbox host; VELMORA_PAYPAL_API, where set, replaces either (for tests).
ApiBase paymentLinkApiBase(bool sandbox);
// Whether a base given from outside may be sent the credentials: https anywhere, plain http only to a loopback
// address written as such (a name could resolve elsewhere).
bool isSafeApiBase(const QUrl& url);

// How long a careful client waits.
struct ServiceTimings {
    std::chrono::milliseconds requestTimeout{30'000};
    // What one second of a Retry-After waits, and the longest wait it gets.
    std::chrono::milliseconds retryAfterSecond{1000};
    std::chrono::milliseconds longestRetryAfter{60'000};
    // Before the first, second and third retry.
    std::array<std::chrono::milliseconds, 3> backoff{
        {std::chrono::milliseconds(1000), std::chrono::milliseconds(2000), std::chrono::milliseconds(4000)}};
};

// The defaults, each multiplied by VELMORA_PAYPAL_TIME_SCALE where a test sets it (a number above 0, at most 100).
ServiceTimings serviceTimings();

// A REST app's credentials. The secret is never written down by Velmora: it lives in the keyring.
struct ClientCredentials {
    QString clientId;
    QString secret;
};

// The client ID the sandbox switch selects.
inline const QString& clientIdFor(const MerchantSettings& settings) {
    return settings.UseSandbox ? settings.SandboxClientID : settings.ClientID;
}

} // namespace velmora
