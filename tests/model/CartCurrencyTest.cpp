#include "model/CartCurrency.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

class CartCurrencyTest : public QObject {
    Q_OBJECT

private slots:
    void findsByCodeInAnyCase();
    void onlyForintYenAndTaiwanDollarLackCents();
};

void CartCurrencyTest::findsByCodeInAnyCase() {
    const CartCurrency* yen = findCartCurrency(u"jPy");
    QVERIFY(yen);
    QCOMPARE(yen->displayText(), u"JPY  Japanese Yen"_s);
    QVERIFY(!findCartCurrency(u"EUR "));
    QVERIFY(!findCartCurrency(u""));
}

void CartCurrencyTest::onlyForintYenAndTaiwanDollarLackCents() {
    QStringList withoutCents;
    for (const CartCurrency& currency : CartCurrencies) {
        if (!currency.hasCents)
            withoutCents << currency.code.toString();
    }
    QCOMPARE(withoutCents, (QStringList{u"HUF"_s, u"JPY"_s, u"TWD"_s}));
}

QTEST_GUILESS_MAIN(CartCurrencyTest)
#include "CartCurrencyTest.moc"
