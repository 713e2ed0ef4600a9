#include "cli/VelmoraCli.h"
#include "paypal/PaymentLinkBody.h"
#include "store/ItemFile.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"
#include "support/ItemRecords.h"
#include "support/PaymentLinksStandIn.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

const QString Link = u"https://www\\.sandbox\\.paypal\\.com/ncp/payment/PLB-[0-9A-F]+"_s;

QJsonObject mugBody() {
    CartItem mug;
    mug.ItemName = u"Mug"_s;
    mug.ItemID = u"M-1"_s;
    mug.Price = u"12.50"_s;
    MerchantSettings settings;
    settings.Currency = u"USD"_s;
    return buildPaymentLinkBody(mug, settings, QLocale::c()).body;
}

} // namespace

class PaymentLinkCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void asksTheService_data();
    void asksTheService();

private:
    QTemporaryDir m_dir;
};

void PaymentLinkCommandsTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    qputenv("VELMORA_PAYPAL_TIME_SCALE", "0.02");
    qputenv("VELMORA_CLIENT_SECRET", "test-secret");
    MerchantSettings settings;
    settings.Currency = u"USD"_s;
    settings.UseSandbox = true;
    settings.SandboxClientID = u"test-client"_s; // and none for the live site
    SettingsStore store(u"settings.ini"_s);
    QVERIFY(saveMerchantSettings(store, settings));

    using namespace ItemValueId;
    for (const auto& [file, record] :
         {std::pair{u"mug.tqf"_s, recordWith({{ItemName, u"Mug"_s}, {ItemID, u"M-1"_s}, {Price, u"12.50"_s}})},
          std::pair{u"cap.tqf"_s, recordWith({{ItemName, u"Cap"_s}, {ItemID, u"C-1"_s}, {Price, u"8"_s}})},
          std::pair{u"noid.tqf"_s, recordWith({{ItemName, u"Pin"_s}, {Price, u"2"_s}})}})
        QVERIFY(writeItemFile(file, record).ok());
    QVERIFY(QDir().mkpath(u"qr"_s));
}

void PaymentLinkCommandsTest::asksTheService_data() {
    QTest::addColumn<QStringList>("standIn");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("out"); // a pattern of all it prints
    QTest::addColumn<QString>("err"); // a part of it
    QTest::addColumn<QStringList>("requests");

    const QStringList mugHeld = PaymentLinksStandIn::holding({mugBody()});
    QTest::addRow("publish: each link as it is done, in order")
        << QStringList{} << QStringList{u"publish"_s, u"mug.tqf"_s, u"cap.tqf"_s} << 0 << u"%1\n%1\n"_s.arg(Link)
        << u""_s << QStringList{u"token"_s, u"list"_s, u"create"_s, u"create"_s};
    QTest::addRow("publish: every file checked before the first request")
        << QStringList{} << QStringList{u"publish"_s, u"mug.tqf"_s, u"noid.tqf"_s} << 2 << u""_s
        << u"Couldn't publish \"noid.tqf\": it has no item ID"_s << QStringList{};
    QTest::addRow("publish: an item refused gives an empty line, the others are done")
        << QStringList{u"--fault"_s, u"create=403"_s} << QStringList{u"publish"_s, u"mug.tqf"_s, u"cap.tqf"_s} << 2
        << u"\n%1\n"_s.arg(Link) << u"\"Payment Links & Buttons\""_s
        << QStringList{u"token"_s, u"list"_s, u"create!403"_s, u"create"_s};
    QTest::addRow("publish --qr-dir: the QR code beside the link")
        << QStringList{} << QStringList{u"publish"_s, u"--qr-dir"_s, u"qr"_s, u"mug.tqf"_s} << 0 << Link + u'\n'
        << u""_s << QStringList{u"token"_s, u"list"_s, u"create"_s};
    QTest::addRow("publish --dry-run: the bodies, nothing sent")
        << QStringList{}
        << QStringList{u"publish"_s, u"--dry-run"_s, u"--success-url"_s, u"https://shop.example/t"_s, u"mug.tqf"_s} << 0
        << QRegularExpression::escape(
               uR"({"integration_mode":"LINK","line_items":[{"collect_shipping_address":false,"name":"Mug",)"
               uR"("product_id":"M-1","unit_amount":{"currency_code":"USD","value":"12.50"}}],)"
               uR"("return_url":"https://shop.example/t","reusable":"MULTIPLE","type":"BUY_NOW"})"
               "\n"_s)
        << u""_s << QStringList{};
    QTest::addRow("no client ID for the site chosen")
        << QStringList{} << QStringList{u"links"_s, u"--live"_s} << 2 << u""_s
        << u"No client ID for the live site: give --client-id ID"_s << QStringList{};
    QTest::addRow("unpublish: the link deleted, an item without ID noted")
        << mugHeld << QStringList{u"unpublish"_s, u"mug.tqf"_s, u"noid.tqf"_s, u"cap.tqf"_s} << 0
        << u"PLB-[0-9A-F]+\n\n\n"_s << u"\"noid.tqf\" has no item ID"_s
        << QStringList{u"token"_s, u"list"_s, u"delete"_s};
    QTest::addRow("unpublish --id: a link that is not there")
        << QStringList{} << QStringList{u"unpublish"_s, u"--id"_s, u"PLB-NONE"_s} << 2 << u""_s
        << u"RESOURCE_NOT_FOUND"_s << QStringList{u"token"_s, u"delete"_s};
    QTest::addRow("links: id, product ID, name and link, by tabs")
        << mugHeld << QStringList{u"links"_s} << 0 << u"PLB-[0-9A-F]+\tM-1\tMug\t%1\n"_s.arg(Link) << u""_s
        << QStringList{u"token"_s, u"list"_s};
    QTest::addRow("page --payment-links: a Buy now button to the item's link")
        << mugHeld << QStringList{u"page"_s, u"--payment-links"_s, u"mug.tqf"_s} << 0
        << u"(?s)<!DOCTYPE html>.*href=\"%1\".*"_s.arg(Link) << u""_s << QStringList{u"token"_s, u"list"_s};
    QTest::addRow("page --payment-links: an item without a link, nothing printed")
        << mugHeld << QStringList{u"page"_s, u"--payment-links"_s, u"mug.tqf"_s, u"cap.tqf"_s} << 2 << u""_s
        << u"no payment link has its item ID \"C-1\"; publish it first"_s << QStringList{u"token"_s, u"list"_s};
    QTest::addRow("an option for another command") << QStringList{} << QStringList{u"links"_s, u"--dry-run"_s} << 1
                                                   << u""_s << u"--dry-run is for publish only."_s << QStringList{};
}

void PaymentLinkCommandsTest::asksTheService() {
    QFETCH(QStringList, standIn);
    QFETCH(QStringList, arguments);
    QFETCH(int, exit);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, requests);
    PaymentLinksStandIn service(standIn);
    QVERIFY(service.isListening());
    qputenv("VELMORA_PAYPAL_API", service.base().toUtf8());

    QString printed, said;
    QTextStream outStream(&printed), errStream(&said);
    const SettingsStore store(u"settings.ini"_s);
    QCOMPARE(runVelmoraCli(QStringList{u"velmora-cli"_s} + arguments, store, outStream, errStream), exit);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out)).match(printed).hasMatch(),
             qPrintable(printed));
    QVERIFY2(said.contains(err) && (exit != 0 || said.isEmpty() || !err.isEmpty()), qPrintable(said));
    if (arguments.contains(u"--qr-dir"_s))
        QVERIFY(QFile(u"qr/mug.svg"_s).size() > 0);

    const QJsonObject report = service.finish();
    QCOMPARE(PaymentLinksStandIn::texts(report.value(u"violations")), QStringList());
    QCOMPARE(PaymentLinksStandIn::texts(report.value(u"requests")), requests);
}

QTEST_GUILESS_MAIN(PaymentLinkCommandsTest)
#include "PaymentLinkCommandsTest.moc"
