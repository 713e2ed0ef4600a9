#include "store/MerchantStore.h"
#include "store/SettingsStore.h"

#include "support/IniFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace velmora;

class MerchantStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void emptyStoreGetsThePlaceholderAndOnlyTheFlag();
    void hasBeenRunForms_data();
    void hasBeenRunForms();
    void sandboxAndShoppingPage_data();
    void sandboxAndShoppingPage();
    void failedWritesAreReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString fileName() const { return m_dir->filePath(u"Trevanto.ini"_s); }
};

void MerchantStoreTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void MerchantStoreTest::emptyStoreGetsThePlaceholderAndOnlyTheFlag() {
    {
        SettingsStore store(fileName());
        const MerchantSettings settings = loadMerchantSettings(store);
        QCOMPARE(settings.eMail, u"your-paypal-email@example.com"_s);
        QCOMPARE(settings.StoreLogo + settings.PurchaseSuccessURL + settings.PurchaseCancelURL +
                     settings.ButtonImageURL,
                 QString());
        QVERIFY(!hasBeenRun(store));
        QVERIFY(!QFileInfo::exists(fileName()));
        QVERIFY(recordFirstRun(store));
    }
    QCOMPARE(keysOnDisk(fileName()), QStringList{u"Settings/HasBeenRun"_s});
    QCOMPARE(onDisk(fileName(), u"Settings/HasBeenRun"_s), u"True"_s);
    QVERIFY(hasBeenRun(SettingsStore(fileName())));
}

void MerchantStoreTest::hasBeenRunForms_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("expected");

    QTest::addRow("True") << "[Settings]\nHasBeenRun=True\n"_ba << true;
    QTest::addRow("lower-case true") << "[Settings]\nHasBeenRun=true\n"_ba << true;
    QTest::addRow("minus one") << "[Settings]\nHasBeenRun=-1\n"_ba << true;
    QTest::addRow("False") << "[Settings]\nHasBeenRun=False\n"_ba << false;
    QTest::addRow("zero") << "[Settings]\nHasBeenRun=0\n"_ba << false;
    QTest::addRow("empty asks again") << "[Settings]\nHasBeenRun=\n"_ba << false;
    QTest::addRow("names in other cases") << "[SETTINGS]\nhasbeenrun=TRUE\n"_ba << true;
    QTest::addRow("another section") << "[DropDowns]\nHasBeenRun=True\n"_ba << false;
}

void MerchantStoreTest::hasBeenRunForms() {
    QFETCH(QByteArray, file);
    QFETCH(bool, expected);
    QVERIFY(writeIniFile(fileName(), file));
    QCOMPARE(hasBeenRun(SettingsStore(fileName())), expected);
}

void MerchantStoreTest::sandboxAndShoppingPage_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("sandbox");
    QTest::addColumn<QString>("shoppingUrl");

    QTest::addRow("absent: live, no shopping page") << QByteArray() << false << QString();
    QTest::addRow("stored") << "[Settings]\nUseSandbox=True\nShoppingURL=https://s.example/\n"_ba << true
                            << u"https://s.example/"_s;
    QTest::addRow("lower-case false") << "[Settings]\nUseSandbox=false\n"_ba << false << QString();
    QTest::addRow("a number") << "[Settings]\nUseSandbox=-1\n"_ba << true << QString();
    QTest::addRow("neither on nor off reads as the sandbox")
        << "[Settings]\nUseSandbox=maybe\n"_ba << true << QString();
}

// Read, then written back in the store's own forms, then read again unchanged.
void MerchantStoreTest::sandboxAndShoppingPage() {
    QFETCH(QByteArray, file);
    QFETCH(bool, sandbox);
    QFETCH(QString, shoppingUrl);
    QVERIFY(writeIniFile(fileName(), file));
    SettingsStore store(fileName());
    const MerchantSettings loaded = loadMerchantSettings(store);
    QCOMPARE(loaded.UseSandbox, sandbox);
    QCOMPARE(loaded.ShoppingURL, shoppingUrl);

    QVERIFY(saveMerchantSettings(store, loaded));
    QCOMPARE(onDisk(fileName(), u"Settings/UseSandbox"_s), sandbox ? u"True"_s : u"False"_s);
    QCOMPARE(onDisk(fileName(), u"Settings/ShoppingURL"_s), shoppingUrl);
    const MerchantSettings reread = loadMerchantSettings(SettingsStore(fileName()));
    QCOMPARE(reread.UseSandbox, sandbox);
    QCOMPARE(reread.ShoppingURL, shoppingUrl);
}

// The steps must not report a write that never reached the disk as done.
void MerchantStoreTest::failedWritesAreReported() {
    QVERIFY(QDir().mkpath(fileName())); // the store's file is a folder
    SettingsStore store(fileName());
    QVERIFY(!saveMerchantSettings(store, MerchantSettings{u"shop@example.com"_s, {}, {}, {}, {}}));
    QVERIFY(!recordFirstRun(store));
    QCOMPARE(loadMerchantSettings(store).eMail, u"shop@example.com"_s);
    QVERIFY(hasBeenRun(store));
}

QTEST_GUILESS_MAIN(MerchantStoreTest)
#include "MerchantStoreTest.moc"
