#include "SampleItems.h"
#include "generate/ButtonForm.h"
#include "generate/CartLink.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

// Price, shipping and shipping2 as a merchant types them in the locale, and as the payment page must read them
// with cents and in whole units.
struct TypedMoney {
    const char* locale;
    QStringList typed, withCents, wholeUnits;
};

const QList<TypedMoney> Typed{
    {"en_US", {u"$1,234.5"_s, u"0.125"_s, u"7"_s}, {u"1234.50"_s, u"0.13"_s, u"7"_s}, {u"1235"_s, u"0"_s, u"7"_s}},
    {"de_DE", {u"1.234,5"_s, u"5,00"_s, u"0,5"_s}, {u"1234.50"_s, u"5.00"_s, u"0.50"_s}, {u"1235"_s, u"5"_s, u"1"_s}},
    // Grouped with a narrow no-break space, the way the locale writes thousands.
    {"fr_FR",
     {u"1\u202F234,56"_s, u"12,5 €"_s, u"3"_s},
     {u"1234.56"_s, u"12.50"_s, u"3"_s},
     {u"1235"_s, u"13"_s, u"3"_s}},
    {"hi_IN",
     {u"1,23,456.78"_s, u"₹99.99"_s, u"0.5"_s},
     {u"123456.78"_s, u"99.99"_s, u"0.5"_s},
     {u"123457"_s, u"100"_s, u"1"_s}},
    // Arabic-Indic digits, the Arabic decimal and group separators, and the minus the window writes.
    {"ar_EG",
     {u"١٬٢٣٤٫٥"_s, u"٥٫٠٠"_s, u"\u061C-٠٫٤"_s},
     {u"1234.50"_s, u"5.00"_s, u"-0.40"_s},
     {u"1235"_s, u"5"_s, u"0"_s}},
    {"ja_JP",
     {u"￥1,500"_s, u"500.5"_s, u"500.00"_s},
     {u"1500.00"_s, u"500.5"_s, u"500.00"_s},
     {u"1500"_s, u"501"_s, u"500"_s}},
};

CartItem pricedItem(const QStringList& money) {
    return bare([&](CartItem& i) {
        i.ItemName = u"Mug"_s;
        i.Price = money[0];
        i.Shipping1 = money[1];
        i.Shipping2 = money[2];
    });
}

} // namespace

class PaymentMoneyTest : public QObject {
    Q_OBJECT

private slots:
    void amountsInPaymentNotation_data();
    void amountsInPaymentNotation();
};

void PaymentMoneyTest::amountsInPaymentNotation_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    for (const TypedMoney& money : Typed) {
        QTest::addRow("%s, no currency", money.locale) << money.locale << QString() << money.typed << money.withCents;
        QTest::addRow("%s, EUR", money.locale) << money.locale << u"EUR"_s << money.typed << money.withCents;
        // Stored settings may spell the code in any case; the page is given it as the cart spells it.
        QTest::addRow("%s, jpy", money.locale) << money.locale << u"jpy"_s << money.typed << money.wholeUnits;
    }
}

void PaymentMoneyTest::amountsInPaymentNotation() {
    QFETCH(QString, locale);
    QFETCH(QString, currency);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);

    MerchantSettings settings = seller();
    settings.Currency = currency;
    const CartItem item = pricedItem(typed);
    const QString code = currency.toUpper();

    const QString form = BuildButtonForm(item, settings, QLocale(locale));
    QString fields = uR"(<input type="hidden" name="amount" value="%1">)"_s.arg(expected[0]);
    if (!code.isEmpty())
        fields += uR"(<input type="hidden" name="currency_code" value="%1">)"_s.arg(code);
    fields +=
        uR"(<input type="hidden" name="shipping" value="%1"><input type="hidden" name="shipping2" value="%2">)"_s.arg(
            expected[1], expected[2]);
    QVERIFY2(form.contains(uR"(<input type="hidden" name="item_name" value="Mug">)"_s + fields), qPrintable(form));
    // Amounts in ASCII leave nothing for the charset to announce.
    QVERIFY2(!form.contains(u"utf-8"_s), qPrintable(form));

    const QString link = BuildCartLink(item, settings, QLocale(locale));
    const QString currencyParameter = code.isEmpty() ? QString() : u"&currency_code="_s + code;
    QCOMPARE(link, u"https://www.paypal.com/cart/add=1&business=SELLERID&item_name=Mug&amount=%1%2&shipping=%3"
                   u"&shipping2=%4&no_note=1"_s.arg(expected[0], currencyParameter, expected[1], expected[2]));
}

QTEST_GUILESS_MAIN(PaymentMoneyTest)
#include "PaymentMoneyTest.moc"
