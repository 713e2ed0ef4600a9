#include "model/Subscription.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

class SubscriptionTest : public QObject {
    Q_OBJECT

private slots:
    void findsWhatThePaymentServiceRefuses_data();
    void findsWhatThePaymentServiceRefuses();
};

void SubscriptionTest::findsWhatThePaymentServiceRefuses_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<QStringList>("terms"); // period, unit, times, trial amount, trial period, trial unit
    QTest::addColumn<QStringList>("problems");

    const QString months = u"Billing period: give from 1 to 24 months"_s;
    const QStringList monthly{u"1"_s, u"M"_s, {}, {}, {}, u"M"_s};
    QTest::addRow("monthly, until cancelled") << u"9.90"_s << monthly << QStringList{};
    QTest::addRow("longest of each unit")
        << u"9,90"_s << QStringList{u"90"_s, u"D"_s, u"52"_s, u"0"_s, u"5"_s, u"Y"_s} << QStringList{};
    QTest::addRow("no price") << u""_s << monthly << QStringList{u"Price: a subscription needs a price above zero"_s};
    QTest::addRow("zero price") << u"0.00"_s << monthly
                                << QStringList{u"Price: a subscription needs a price above zero"_s};
    QTest::addRow("no period") << u"5"_s << QStringList{{}, u"M"_s, {}, {}, {}, u"M"_s} << QStringList{months};
    QTest::addRow("beyond the unit's range")
        << u"5"_s << QStringList{u"25"_s, u"M"_s, {}, {}, {}, u"M"_s} << QStringList{months};
    QTest::addRow("not a count") << u"5"_s << QStringList{u"1.5"_s, u"M"_s, {}, {}, {}, u"M"_s} << QStringList{months};
    QTest::addRow("unknown unit") << u"5"_s << QStringList{u"1"_s, u"Q"_s, {}, {}, {}, u"M"_s}
                                  << QStringList{u"Billing period: the unit must be D, W, M or Y, not \"Q\""_s};
    QTest::addRow("too many payments")
        << u"5"_s << QStringList{u"1"_s, u"M"_s, u"53"_s, {}, {}, u"M"_s}
        << QStringList{u"Number of payments: give from 1 to 52, or nothing for payments until cancelled"_s};
    QTest::addRow("a trial price without a period") << u"5"_s << QStringList{u"1"_s, u"M"_s, {}, u"1.00"_s, {}, u"W"_s}
                                                    << QStringList{u"Trial period: give from 1 to 52 weeks"_s};
    QTest::addRow("a negative trial price")
        << u"5"_s << QStringList{u"1"_s, u"M"_s, {}, u"-1"_s, u"2"_s, u"W"_s}
        << QStringList{u"Trial price: give an amount of zero or more, or nothing for a free trial"_s};
    QTest::addRow("everything wrong, each named")
        << u"abc"_s << QStringList{u"0"_s, u"D"_s, u"x"_s, {}, u"100"_s, u"D"_s}
        << QStringList{u"Price: a subscription needs a price above zero"_s, u"Billing period: give from 1 to 90 days"_s,
                       u"Number of payments: give from 1 to 52, or nothing for payments until cancelled"_s,
                       u"Trial period: give from 1 to 90 days"_s};
}

void SubscriptionTest::findsWhatThePaymentServiceRefuses() {
    QFETCH(QString, price);
    QFETCH(QStringList, terms);
    QFETCH(QStringList, problems);

    CartItem item;
    item.Kind = ButtonKind::Subscribe;
    item.Price = price;
    item.Subscription = {terms[0], terms[1], terms[2], terms[3], terms[4], terms[5]};
    QCOMPARE(subscriptionProblems(item, QLocale(QLocale::German, QLocale::Germany)), problems);
}

QTEST_GUILESS_MAIN(SubscriptionTest)
#include "SubscriptionTest.moc"
