#include "paypal/PaymentLinkClient.h"
#include "paypal/PaymentLinkBody.h"

#include "support/PaymentLinksStandIn.h"

#include <QElapsedTimer>
#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

MerchantSettings dollars() {
    MerchantSettings settings;
    settings.Currency = u"USD"_s;
    return settings;
}

QJsonObject bodyOf(const QString& name, const QString& id, const QString& price) {
    CartItem item;
    item.ItemName = name;
    item.ItemID = id;
    item.Price = price;
    return buildPaymentLinkBody(item, dollars(), QLocale::c()).body;
}

const QJsonObject Mug = bodyOf(u"Mug"_s, u"M-1"_s, u"12.50"_s);
const QJsonObject Cap = bodyOf(u"Cap"_s, u"C-1"_s, u"8"_s);

// The mug as the account holds it: as Velmora sent it, written the way the service may write it back.
QJsonObject mugAsWrittenBack() {
    QJsonObject body = Mug;
    QJsonArray lines = body.value(u"line_items").toArray();
    QJsonObject line = lines.first().toObject();
    line.insert(u"unit_amount"_s, QJsonObject{{u"currency_code"_s, u"USD"_s}, {u"value"_s, u"12.5"_s}});
    line.remove(u"collect_shipping_address"_s);
    lines.replace(0, line);
    body.insert(u"line_items"_s, lines);
    return body;
}

QString publishedText(Published how) {
    switch (how) {
    case Published::Created:
        return u"created"_s;
    case Published::Updated:
        return u"updated"_s;
    case Published::Unchanged:
        return u"unchanged"_s;
    }
    return {};
}

// What the operation said: a word for each item done ("created", "removed") or its error, then the batch's error.
QString runOperation(PaymentLinkClient& client, const QString& operation) {
    QStringList said;
    bool done = false;
    const auto finished = [&](const QString& error) {
        if (!error.isEmpty())
            said << error;
        done = true;
    };
    if (operation.startsWith(u"publish")) {
        const QList<QJsonObject> bodies = operation == u"publish" ? QList{Mug} : QList{Mug, Cap};
        client.publish(
            bodies,
            [&](const PublishResult& result) {
                said << (result.error.isEmpty() ? publishedText(result.how) + u' ' + result.link.address
                                                : result.error);
            },
            finished);
    } else if (operation == u"unpublish") {
        client.unpublish(
            {u"M-1"_s},
            [&](const UnpublishResult& result) {
                said << (result.error.isEmpty() ? (result.removedId.isEmpty() ? u"none"_s : u"removed"_s)
                                                : result.error);
            },
            finished);
    } else if (operation == u"delete") {
        client.deleteLink(u"PLB-NONE"_s, finished);
    } else if (operation == u"list") {
        client.listLinks([&](const LinkListing& listing) {
            said << u"%1 links"_s.arg(listing.links.size());
            finished(listing.error);
        });
    } else {
        client.testConnection([&](const QString& error) {
            said << u"tested"_s;
            finished(error);
        });
    }
    if (!QTest::qWaitFor([&] { return done; }, 60'000))
        said << u"no answer"_s;
    return said.join(u" | ");
}

} // namespace

class PaymentLinkClientTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void talksAsACarefulClient_data();
    void talksAsACarefulClient();
    void cancelEndsAWait();
};

void PaymentLinkClientTest::initTestCase() {
    // A fiftieth of each wait: the timeout is 0.6 s, the backoffs 20, 40 and 80 ms.
    qputenv("VELMORA_PAYPAL_TIME_SCALE", "0.02");
}

void PaymentLinkClientTest::talksAsACarefulClient_data() {
    QTest::addColumn<QStringList>("standIn");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("outcome"); // what runOperation says, or a part of it
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<int>("links"); // held at the end

    const QString made = u"created https://www.sandbox.paypal.com/ncp/payment/PLB-"_s;
    const QStringList publishOne{u"token"_s, u"list"_s, u"create"_s};
    QTest::addRow("one token for a batch, the address from the create's links")
        << QStringList{} << u"publish two"_s << made << QStringList{u"token"_s, u"list"_s, u"create"_s, u"create"_s}
        << 2;
    QTest::addRow("a changed item is replaced")
        << PaymentLinksStandIn::holding({bodyOf(u"Mug"_s, u"M-1"_s, u"10"_s)}) << u"publish"_s
        << u"updated https://www.sandbox.paypal.com/ncp/payment/PLB-"_s
        << QStringList{u"token"_s, u"list"_s, u"replace"_s} << 1;
    QTest::addRow("a replacement answered with the link")
        << PaymentLinksStandIn::holding({Cap, bodyOf(u"Mug"_s, u"M-1"_s, u"10"_s)}) +
               QStringList{u"--put-status"_s, u"200"_s}
        << u"publish"_s << u"updated https://www.sandbox.paypal.com/ncp/payment/PLB-"_s
        << QStringList{u"token"_s, u"list"_s, u"replace"_s} << 2;
    QTest::addRow("an item as the link holds it is left alone")
        << PaymentLinksStandIn::holding({mugAsWrittenBack()}) << u"publish"_s << u"unchanged"_s
        << QStringList{u"token"_s, u"list"_s} << 1;
    QTest::addRow("two links with the item's ID: both named, nothing changed")
        << PaymentLinksStandIn::holding({Mug, Mug}) << u"publish"_s
        << u"2 payment links have the item ID \"M-1\" (PLB-"_s << QStringList{u"token"_s, u"list"_s} << 2;
    QTest::addRow("all pages listed") << PaymentLinksStandIn::holding({Mug, Cap, Mug, Cap, Mug}) +
                                             QStringList{u"--page-limit"_s, u"2"_s}
                                      << u"list"_s << u"5 links"_s
                                      << QStringList{u"token"_s, u"list"_s, u"list"_s, u"list"_s} << 5;

    QTest::addRow("an expired token: one fresh token, one retry")
        << QStringList{u"--fault"_s, u"list=expired"_s} << u"publish"_s << made
        << QStringList{u"token"_s, u"list!expired"_s, u"token"_s, u"list"_s, u"create"_s} << 1;
    QTest::addRow("a fresh token refused too: given up")
        << QStringList{u"--fault"_s, u"list=expiredx2"_s} << u"test"_s << u"invalid_token"_s
        << QStringList{u"token"_s, u"list!expired"_s, u"token"_s, u"list!expired"_s} << 0;
    QTest::addRow("credentials refused")
        << QStringList{u"--secret"_s, u"other"_s} << u"test"_s
        << u"PayPal gave no access token for the client ID \"test-client\": invalid_client"_s << QStringList{u"token"_s}
        << 0;
    QTest::addRow("429 waits for Retry-After") << QStringList{u"--fault"_s, u"create=429"_s} << u"publish"_s << made
                                               << QStringList{u"token"_s, u"list"_s, u"create!429"_s, u"create"_s} << 1;
    QTest::addRow("500 three times, then done")
        << QStringList{u"--fault"_s, u"token=500x3"_s} << u"test"_s << u"tested"_s
        << QStringList{u"token!500"_s, u"token!500"_s, u"token!500"_s, u"token"_s, u"list"_s} << 0;
    QTest::addRow("500 four times: its name, debug_id and the tries")
        << QStringList{u"--fault"_s, u"replace=500x4"_s} +
               PaymentLinksStandIn::holding({Cap, bodyOf(u"Mug"_s, u"M-1"_s, u"10"_s)})
        << u"publish"_s << u"Couldn't update the payment link PLB-"_s
        << QStringList{u"token"_s, u"list"_s, u"replace!500"_s, u"replace!500"_s, u"replace!500"_s, u"replace!500"_s}
        << 2;
    QTest::addRow("403: the feature to enable")
        << QStringList{u"--fault"_s, u"list=403"_s} << u"test"_s
        << u"NOT_AUTHORIZED; Authorization failed due to insufficient permissions. (HTTP 403, debug_id "_s
        << QStringList{u"token"_s, u"list!403"_s} << 0;
    QTest::addRow("a dropped connection on a create: looked for, then retried")
        << QStringList{u"--fault"_s, u"create=drop"_s} << u"publish"_s << made
        << QStringList{u"token"_s, u"list"_s, u"create!drop"_s, u"list"_s, u"create"_s} << 1;
    // The create is carried out after the client gave up on it; only the same request id makes one link of two.
    QTest::addRow("a slow answer to a create: retried with the same request id")
        << QStringList{u"--fault"_s, u"create=slow"_s, u"--slow"_s, u"1.5"_s} << u"publish"_s << made
        << QStringList{u"token"_s, u"list"_s, u"create!slow"_s, u"list"_s, u"create"_s} << 1;
    QTest::addRow("a lost answer to a create that was made: found, not made again")
        << QStringList{u"--fault"_s, u"create=lost"_s} << u"publish"_s << made
        << QStringList{u"token"_s, u"list"_s, u"create!lost"_s, u"list"_s} << 1;
    QTest::addRow("a lost answer to a delete, then 404: done")
        << QStringList{u"--fault"_s, u"delete=lost"_s} + PaymentLinksStandIn::holding({Mug}) << u"unpublish"_s
        << u"removed"_s << QStringList{u"token"_s, u"list"_s, u"delete!lost"_s, u"delete"_s} << 0;
    QTest::addRow("404 on a first delete")
        << QStringList{} << u"delete"_s << u"Couldn't delete the payment link PLB-NONE: RESOURCE_NOT_FOUND"_s
        << QStringList{u"token"_s, u"delete"_s} << 0;
    QTest::addRow("no link to unpublish")
        << QStringList{} << u"unpublish"_s << u"none"_s << QStringList{u"token"_s, u"list"_s} << 0;
}

void PaymentLinkClientTest::talksAsACarefulClient() {
    QFETCH(QStringList, standIn);
    QFETCH(QString, operation);
    QFETCH(QString, outcome);
    QFETCH(QStringList, requests);
    QFETCH(int, links);
    PaymentLinksStandIn service(standIn);
    QVERIFY(service.isListening());

    {
        PaymentLinkClient client(QUrl(service.base()), {u"test-client"_s, u"test-secret"_s});
        const QString said = runOperation(client, operation);
        QVERIFY2(said.contains(outcome), qPrintable(said));
    }
    const QJsonObject report = service.finish();
    QCOMPARE(PaymentLinksStandIn::texts(report.value(u"violations")), QStringList());
    QCOMPARE(PaymentLinksStandIn::texts(report.value(u"requests")), requests);
    QCOMPARE(report.value(u"links").toArray().size(), links);
}

void PaymentLinkClientTest::cancelEndsAWait() {
    PaymentLinksStandIn service;
    QVERIFY(service.isListening());
    QStringList said;
    {
        PaymentLinkClient client(QUrl(service.base()), {u"test-client"_s, u"test-secret"_s});
        client.publish(
            {Mug}, [&](const PublishResult&) { said << u"published"_s; }, [&](const QString& error) { said << error; });
        client.cancel();
        QCOMPARE(said, QStringList{u"Cancelled."_s});
    }
    // Nothing went out after the cancel but, at most, the token request already on its way.
    QVERIFY(PaymentLinksStandIn::texts(service.finish().value(u"requests")).size() <= 1);
}

QTEST_GUILESS_MAIN(PaymentLinkClientTest)
#include "PaymentLinkClientTest.moc"
