#include "model/MoneyText.h"
#include "support/TypedMoney.h"

#include <QTest>

using velmora::NormalizeMoneyText;
using velmora::paymentAmountText;

class MoneyTextTest : public QObject {
    Q_OBJECT

private slots:
    void normalizes_data();
    void normalizes();
    void readsMoneyAsMerchantsTypeIt_data();
    void readsMoneyAsMerchantsTypeIt();
    void namesTheCurrency_data();
    void namesTheCurrency();
    void writesPaymentNotation_data();
    void writesPaymentNotation();
};

void MoneyTextTest::normalizes_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // clang-format off
    const QString en = QStringLiteral("en_US");
    QTest::addRow("empty stays empty") << en << "" << "";
    QTest::addRow("whole number") << en << "7" << "7.00";
    QTest::addRow("one decimal") << en << "5.5" << "5.50";
    QTest::addRow("no integer digits") << en << ".5" << "0.50";
    QTest::addRow("third decimal rounds up") << en << "12.345" << "12.35";
    QTest::addRow("half a cent rounds away from zero") << en << "0.005" << "0.01";
    QTest::addRow("negative") << en << "-2" << "-2.00";
    QTest::addRow("grouped") << en << "1,234.5" << "1234.50";
    QTest::addRow("not a number") << en << "abc" << "0.00";
    QTest::addRow("blanks only") << en << "   " << "0.00";
    QTest::addRow("exponent out of range") << en << "1e300" << "0.00";

    QTest::addRow("blanks and tabs around") << en << " \t7.25 \t" << "7.25";
    QTest::addRow("explicit plus") << en << "+3" << "3.00";
    QTest::addRow("trailing point") << en << "5." << "5.00";
    QTest::addRow("point alone") << en << "." << "0.00";
    QTest::addRow("sign alone") << en << "-" << "0.00";
    QTest::addRow("two signs") << en << "--5" << "0.00";
    QTest::addRow("two points") << en << "1.2.3" << "0.00";
    QTest::addRow("number then text") << en << "5 kg" << "0.00";
    QTest::addRow("two numbers") << en << "1 2" << "0.00";
    QTest::addRow("misplaced group separator") << en << "5,99" << "0.00";
    QTest::addRow("group separator in decimals") << en << "1.234,5" << "0.00";
    QTest::addRow("negative rounds away from zero") << en << "-0.005" << "-0.01";
    QTest::addRow("tiny negative is plain zero") << en << "-0.001" << "0.00";
    QTest::addRow("leading zeros") << en << "000000000000000000000012.5" << "12.50";
    QTest::addRow("long fraction") << en << "1.23456789012345678901234567890" << "1.23";
    // Rounding first to ten-thousandths, then to hundredths, gives a different cent than rounding once.
    QTest::addRow("fifth decimal carries into the cent") << en << "0.00495" << "0.01";
    QTest::addRow("below the tie stays down") << en << "0.0049499" << "0.00";
    QTest::addRow("largest value") << en << "922337203685477.5807" << "922337203685477.58";
    QTest::addRow("largest value rounded from beyond") << en << "922337203685477.58074" << "922337203685477.58";
    QTest::addRow("just above the largest") << en << "922337203685477.5808" << "0.00";
    QTest::addRow("rounding pushes above the largest") << en << "922337203685477.58075" << "0.00";
    QTest::addRow("smallest value") << en << "-922337203685477.5808" << "-922337203685477.58";
    QTest::addRow("just below the smallest") << en << "-922337203685477.5809" << "0.00";
    QTest::addRow("beyond 64 bits") << en << "99999999999999999999" << "0.00";
    QTest::addRow("currency symbol") << en << "$5" << "5.00";
    QTest::addRow("sign before currency symbol") << en << "-$5" << "-5.00";
    QTest::addRow("sign after currency symbol") << en << "$-5" << "-5.00";
    QTest::addRow("currency symbol alone") << en << "$" << "0.00";

    const QString de = QStringLiteral("de_DE");
    QTest::addRow("de grouped") << de << "1.234,5" << "1234,50";
    QTest::addRow("de rounding") << de << "12,345" << "12,35";
    QTest::addRow("de negative") << de << "-2" << "-2,00";
    QTest::addRow("de English notation") << de << "1,234.5" << "0,00";
    QTest::addRow("de trailing currency symbol") << de << "5 €" << "5,00";
    QTest::addRow("fr typed blank as group separator") << "fr_FR" << "1 234,5" << "1234,50";
    QTest::addRow("sv typed hyphen for minus") << "sv_SE" << "-2,5" << "\u22122,50";
    QTest::addRow("hi lakh grouping") << "hi_IN" << "1,23,456.5" << "123456.50";
    // clang-format on
}

void MoneyTextTest::normalizes() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const QLocale loc(locale);
    QCOMPARE(NormalizeMoneyText(text, loc), expected);
    // Focus can leave the field again: the result must read back as itself.
    QCOMPARE(NormalizeMoneyText(expected, loc), expected);
}

void MoneyTextTest::readsMoneyAsMerchantsTypeIt_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("payment");
    for (const TypedMoney& money : TypedMoneyTexts)
        QTest::addRow("%s, %s", money.locale, money.what)
            << money.locale << money.typed << money.field << money.payment;
}

void MoneyTextTest::readsMoneyAsMerchantsTypeIt() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QString, payment);
    const QLocale loc(locale);
    QCOMPARE(NormalizeMoneyText(typed, loc), field);
    QCOMPARE(NormalizeMoneyText(field, loc), field);
    QCOMPARE(paymentAmountText(typed, loc), payment);
}

void MoneyTextTest::namesTheCurrency_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<qint64>("value"); // ten-thousandths; 0 here: no number

    QTest::addRow("none") << "en_US"
                          << "5"
                          << "" << QStringList() << Q_INT64_C(50000);
    QTest::addRow("a dollar of many") << "de_DE"
                                      << "$ 5"
                                      << "$" << QStringList{"USD", "AUD", "CAD", "HKD", "MXN", "NZD", "SGD", "TWD"}
                                      << Q_INT64_C(50000);
    QTest::addRow("the locale's own symbol, after") << "ja_JP"
                                                    << "500￥"
                                                    << "￥" << QStringList{"JPY"} << Q_INT64_C(5000000);
    QTest::addRow("the yen or the renminbi") << "en_US"
                                             << "¥5"
                                             << "¥" << QStringList{"JPY", "CNY"} << Q_INT64_C(50000);
    QTest::addRow("a code in any case, inside the sign") << "en_US"
                                                         << "-gbp5"
                                                         << "gbp" << QStringList{"GBP"} << Q_INT64_C(-50000);
    QTest::addRow("a code the cart does not take") << "en_US"
                                                   << "5 XYZ"
                                                   << "" << QStringList() << Q_INT64_C(0);
}

void MoneyTextTest::namesTheCurrency() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, currency);
    QFETCH(QStringList, codes);
    QFETCH(qint64, value);
    const velmora::MoneyReading reading = velmora::readMoneyText(text, QLocale(locale));
    QCOMPARE(reading.currency, currency);
    QCOMPARE(reading.currencyCodes, codes);
    QCOMPARE(reading.value.value_or(0), value);
}

void MoneyTextTest::writesPaymentNotation_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("withCents");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // clang-format off
    const QString en = QStringLiteral("en_US");
    const QString de = QStringLiteral("de_DE");
    QTest::addRow("empty stays empty") << en << true << "" << "";
    QTest::addRow("notation kept as typed") << en << true << "-007.5" << "-007.5";
    QTest::addRow("notation kept, though the locale groups with the point") << de << true << "1.23" << "1.23";
    QTest::addRow("three decimals are not notation") << de << true << "1.234" << "1234.00";
    QTest::addRow("no integer digit") << en << true << ".5" << "0.50";
    QTest::addRow("half a cent away from zero") << en << true << "-0.005" << "-0.01";
    QTest::addRow("tiny negative is plain zero") << en << false << "-0.4" << "0";
    QTest::addRow("whole units, tie away from zero") << en << false << "-2.5" << "-3";
    QTest::addRow("whole units from payment notation with a decimal") << de << false << "2.5" << "3";
    QTest::addRow("whole units from payment notation with cents") << de << false << "1.50" << "2";
    QTest::addRow("locale's own minus") << "sv_SE" << true << "\u22122,5" << "-2.50";
    QTest::addRow("largest value in whole units") << en << false << "922337203685477.5807" << "922337203685478";
    QTest::addRow("no number stays as typed") << en << true << "abc" << "abc";
    QTest::addRow("out of range stays as typed") << en << true << "1e300" << "1e300";
    QTest::addRow("other locale's notation stays as typed") << de << false << "1,234.5" << "1,234.5";
    // clang-format on
}

void MoneyTextTest::writesPaymentNotation() {
    QFETCH(QString, locale);
    QFETCH(bool, withCents);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(paymentAmountText(text, QLocale(locale), withCents), expected);
}

QTEST_GUILESS_MAIN(MoneyTextTest)
#include "MoneyTextTest.moc"
