#pragma once

#include "paypal/Keyring.h"

namespace velmora {

// The client secrets the window uses: those in the desktop's keyring, and, where no keyring answered when one was
// saved, the ones typed in this run, which are kept in memory alone and forgotten when Velmora ends.
void findClientSecret(const QString& clientId, QObject* context, std::function<void(const SecretLookup&)> done);
// The problem is empty once the keyring holds the secret; otherwise the secret is kept for this run only.
void keepClientSecret(const QString& clientId, const QString& secret, QObject* context,
                      std::function<void(const QString& problem)> done);

// What the window tells the merchant when no keyring answered.
QString keyringProblemNotice(const QString& problem);

} // namespace velmora
