#include "ui/dialogs/ClientSecrets.h"

#include <QHash>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

QHash<QString, QString>& keptForThisRun() {
    static QHash<QString, QString> secrets;
    return secrets;
}

} // namespace

void findClientSecret(const QString& clientId, QObject* context, std::function<void(const SecretLookup&)> done) {
    // A secret typed while the keyring was away is newer than anything the keyring may hold.
    if (const auto kept = keptForThisRun().constFind(clientId); kept != keptForThisRun().cend()) {
        QMetaObject::invokeMethod(
            context,
            [done = std::move(done), secret = *kept] {
                done({SecretState::Found, secret});
            },
            Qt::QueuedConnection);
        return;
    }
    readClientSecret(clientId, context, std::move(done));
}

void keepClientSecret(const QString& clientId, const QString& secret, QObject* context,
                      std::function<void(const QString& problem)> done) {
    saveClientSecret(clientId, secret, context, [clientId, secret, done = std::move(done)](const QString& problem) {
        if (problem.isEmpty())
            keptForThisRun().remove(clientId);
        else
            keptForThisRun().insert(clientId, secret);
        done(problem);
    });
}

QString keyringProblemNotice(const QString& problem) {
    return u"No keyring answered: %1. The client secret is kept only until Velmora closes; enter it again next "
           u"time."_s.arg(problem);
}

} // namespace velmora
