#include "paypal/Keyring.h"

#include <qt6keychain/keychain.h>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

QString keyringProblem(const QKeychain::Job& job) {
    return u"the desktop's keyring could not be used (%1)"_s.arg(job.errorString());
}

} // namespace

void readClientSecret(const QString& clientId, QObject* context, std::function<void(const SecretLookup&)> done) {
    auto* job = new QKeychain::ReadPasswordJob(KeyringService, context);
    job->setKey(clientId);
    QObject::connect(job, &QKeychain::Job::finished, context, [done = std::move(done)](QKeychain::Job* finished) {
        const auto* read = static_cast<QKeychain::ReadPasswordJob*>(finished);
        switch (read->error()) {
        case QKeychain::NoError:
            return done({SecretState::Found, read->textData()});
        case QKeychain::EntryNotFound:
            return done({SecretState::Missing, {}});
        default:
            return done({SecretState::Unavailable, {}, keyringProblem(*read)});
        }
    });
    job->start();
}

void saveClientSecret(const QString& clientId, const QString& secret, QObject* context,
                      std::function<void(const QString& problem)> done) {
    auto* job = new QKeychain::WritePasswordJob(KeyringService, context);
    job->setKey(clientId);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished, context, [done = std::move(done)](QKeychain::Job* finished) {
        done(finished->error() == QKeychain::NoError ? QString() : keyringProblem(*finished));
    });
    job->start();
}

} // namespace velmora
