#include "generate/PaymentLinkButton.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

class PaymentLinkButtonTest : public QObject {
    Q_OBJECT

private slots:
    void linkIsTheOnlyValue_data();
    void linkIsTheOnlyValue();
};

void PaymentLinkButtonTest::linkIsTheOnlyValue_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("href");

    QTest::addRow("a payment link as it is") << u"https://www.paypal.com/ncp/payment/C3MZBF5RUP8JN"_s
                                             << u"https://www.paypal.com/ncp/payment/C3MZBF5RUP8JN"_s;
    QTest::addRow("markup and ampersands as entities")
        << u"https://x.example/?a=1&b=\"><script>"_s << u"https://x.example/?a=1&amp;b=&quot;&gt;&lt;script&gt;"_s;
    QTest::addRow("a line break cannot split the line")
        << u"https://x.example/\r\n"_s << u"https://x.example/&#13;&#10;"_s;
}

// One tag pair and nothing else: whatever the link holds, it stays inside the href.
void PaymentLinkButtonTest::linkIsTheOnlyValue() {
    QFETCH(QString, link);
    QFETCH(QString, href);
    const QString button = BuildPaymentLinkButton(link);
    QVERIFY2(button.startsWith(u"<a href=\""_s + href + u"\" style=\""_s), qPrintable(button));
    QVERIFY(button.endsWith(u"\">Buy Now</a>"_s));
    QCOMPARE(button.count(u'<'), 2);
}

QTEST_GUILESS_MAIN(PaymentLinkButtonTest)
#include "PaymentLinkButtonTest.moc"
