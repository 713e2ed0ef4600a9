#pragma once

#include <QLatin1StringView>
#include <QObject>
#include <QString>

#include <functional>

namespace velmora {

// The desktop's keyring keeps each client secret under this service and its client ID, the same for the window and
// velmora-cli. A secret is never written anywhere else, nor shown.
inline constexpr QLatin1StringView KeyringService{"Velmora"};

enum class SecretState {
    Found,
    Missing,    // the keyring answered and holds none for the client ID
    Unavailable // no keyring answered, or it refused
};

struct SecretLookup {
    SecretState state = SecretState::Missing;
    QString secret;
    QString problem{}; // why the keyring could not be used, for a person
};

// Each answers once on the event loop, unless the context is gone by then.
void readClientSecret(const QString& clientId, QObject* context, std::function<void(const SecretLookup&)> done);
// The problem is empty once the secret is stored.
void saveClientSecret(const QString& clientId, const QString& secret, QObject* context,
                      std::function<void(const QString& problem)> done);

} // namespace velmora
