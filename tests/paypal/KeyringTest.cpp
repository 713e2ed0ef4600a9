#include "paypal/Keyring.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"

#include <QDateTime>
#include <QDirIterator>
#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

class KeyringTest : public QObject {
    Q_OBJECT

private slots:
    void keepsTheSecretInTheKeyringAlone();
};

void KeyringTest::keepsTheSecretInTheKeyringAlone() {
    if (qEnvironmentVariableIsSet("VELMORA_NO_KEYRING"))
        QSKIP(qPrintable(u"No keyring to test against: "_s + qEnvironmentVariable("VELMORA_NO_KEYRING")));
    const QString clientId = u"AbC-client"_s;
    const QString secret = u"EFgh-secret-%1"_s.arg(QDateTime::currentMSecsSinceEpoch());
    MerchantSettings settings;
    settings.ClientID = clientId;
    SettingsStore store;
    QVERIFY(saveMerchantSettings(store, settings)); // the client ID beside it, as the window saves it

    std::optional<QString> saved;
    saveClientSecret(clientId, secret, this, [&](const QString& problem) { saved = problem; });
    QTRY_VERIFY_WITH_TIMEOUT(saved.has_value(), 20'000);
    QCOMPARE(*saved, QString());
    std::optional<SecretLookup> read;
    readClientSecret(clientId, this, [&](const SecretLookup& found) { read = found; });
    QTRY_VERIFY_WITH_TIMEOUT(read.has_value(), 20'000);
    QCOMPARE(read->state, SecretState::Found);
    QCOMPARE(read->secret, secret);
    read.reset();
    readClientSecret(u"another-client"_s, this, [&](const SecretLookup& found) { read = found; });
    QTRY_VERIFY_WITH_TIMEOUT(read.has_value(), 20'000);
    QCOMPARE(read->state, SecretState::Missing);

    // Not in the settings file, nor anywhere else under the configuration folder.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!config.isEmpty());
    int files = 0;
    for (QDirIterator it(config, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!file.readAll().contains(secret.toUtf8()), qPrintable(file.fileName()));
        ++files;
    }
    QVERIFY(files > 0);
}

QTEST_GUILESS_MAIN(KeyringTest)
#include "KeyringTest.moc"
