#include "generate/ItemProblems.h"
#include "SampleItems.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CartItem)

class ItemProblemsTest : public QObject {
    Q_OBJECT

private slots:
    void findsWhatThePaymentServiceRefuses_data();
    void findsWhatThePaymentServiceRefuses();
    void namesWhatTheKindLeavesOut_data();
    void namesWhatTheKindLeavesOut();
};

void ItemProblemsTest::findsWhatThePaymentServiceRefuses_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<QStringList>("problems");

    const auto sizes = [](const QStringList& typed) {
        std::array<QString, 10> prices{};
        std::copy(typed.begin(), typed.end(), prices.begin());
        return bare([prices](CartItem& i) {
            i.Option1 = {1, "Size", OptionSetKind::DropDown, {"S", "M", {}, "L"}};
            i.Option1.Prices = prices;
        });
    };
    QTest::addRow("every value priced") << sizes(QStringList{"1", "2", {}, "3"}) << QStringList{};
    QTest::addRow("a price on an empty slot alone prices nothing") << sizes(QStringList{{}, {}, "9"}) << QStringList{};
    QTest::addRow("a mix names the values without a price")
        << sizes(QStringList{"1", {}, {}, {}})
        << QStringList{u"Option set 1: give every value a price, or none; these have none: \"M\", \"L\""_s};
    QTest::addRow("a price that is no amount") << sizes(QStringList{"1", "two", {}, "-3"})
                                               << QStringList{u"Option set 1: the price of \"M\" is no amount"_s,
                                                              u"Option set 1: the price of \"L\" is no amount"_s};
    QTest::addRow("a donation takes no prices, so none is checked") << [&] {
        CartItem item = sizes(QStringList{"1", {}, {}, {}});
        item.Kind = ButtonKind::Donate;
        return item;
    }() << QStringList{};
    QTest::addRow("quantity, tax, handling and weight out of range")
        << bare([](CartItem& i) {
               i.MaxQuantity = "101";
               i.TaxRate = "0,0001";
               i.Handling = "-1";
               i.Weight = "1,234";
               i.WeightUnit = "stone";
           })
        << QStringList{u"Most a buyer may choose: give from 1 to 100"_s,
                       u"Tax rate: give a percentage from 0.001 to 100 with at most three decimals"_s,
                       u"Handling: give an amount of zero or more"_s,
                       u"Weight: give a weight above zero with at most two decimals"_s,
                       u"Weight unit: lbs or kgs, not \"stone\""_s};
    QTest::addRow("largest tax rate, smallest weight") << bare([](CartItem& i) {
        i.TaxRate = "100";
        i.Weight = "0.01";
    }) << QStringList{};
    QTest::addRow("advanced variables Velmora writes itself, and malformed ones")
        << bare([](CartItem& i) {
               i.Advanced = "amount=1\ncustom=ok\nCmd=x\nno equals\nbusiness=me\ncharset=latin1\nadd=1\ncustom=again";
           })
        << QStringList{u"Advanced variables: \"Cmd=x\" is no name=value with a name of a-z, 0-9 and _"_s,
                       u"Advanced variables: \"no equals\" is no name=value with a name of a-z, 0-9 and _"_s,
                       u"Advanced variables: custom is given twice"_s,
                       u"Advanced variables: amount is written by Velmora itself for this item"_s,
                       u"Advanced variables: business is written by Velmora itself for this item"_s,
                       u"Advanced variables: charset is written by Velmora itself for this item"_s,
                       u"Advanced variables: add is written by Velmora itself for this item"_s};
    QTest::addRow("a name only another kind writes is free") << bare([](CartItem& i) {
        i.Kind = ButtonKind::Donate;
        i.Advanced = "shipping=0\nundefined_quantity=1";
    }) << QStringList{};
    QTest::addRow("too many lines") << bare([](CartItem& i) {
        for (int n = 0; n < 21; ++n)
            i.Advanced += u"v%1=x\n"_s.arg(n);
    }) << QStringList{u"Advanced variables: at most 20 lines"_s};
}

void ItemProblemsTest::findsWhatThePaymentServiceRefuses() {
    QFETCH(CartItem, item);
    QFETCH(QStringList, problems);

    QCOMPARE(paymentProblems(item, seller(), QLocale(QLocale::German, QLocale::Germany)), problems);
}

void ItemProblemsTest::namesWhatTheKindLeavesOut_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<QStringList>("leftOut");

    const auto filled = [](ButtonKind kind) {
        return bare([kind](CartItem& i) {
            i.Kind = kind;
            i.Shipping2 = "1";
            i.Option1 = {1, "Size", OptionSetKind::DropDown, {"S"}};
            i.Option1.Prices = {"1"};
            i.Weight = "1";
            i.BuyerQuantity = 1;
            i.Note = 1;
        });
    };
    QTest::addRow("a cart takes everything") << filled(ButtonKind::Cart) << QStringList{};
    QTest::addRow("buy now takes everything") << filled(ButtonKind::BuyNow) << QStringList{};
    QTest::addRow("a donation") << filled(ButtonKind::Donate)
                                << QStringList{u"shipping charges"_s, u"option prices"_s, u"the weight"_s,
                                               u"option sets"_s, u"the buyer's choice of quantity"_s};
    QTest::addRow("a subscription") << filled(ButtonKind::Subscribe)
                                    << QStringList{u"shipping charges"_s, u"option prices"_s, u"the weight"_s,
                                                   u"the buyer's choice of quantity"_s, u"the buyer's note"_s};
}

void ItemProblemsTest::namesWhatTheKindLeavesOut() {
    QFETCH(CartItem, item);
    QFETCH(QStringList, leftOut);

    QCOMPARE(valuesLeftOut(item), leftOut);
}

QTEST_GUILESS_MAIN(ItemProblemsTest)
#include "ItemProblemsTest.moc"
