#include "paypal/PaymentLinkBody.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <functional>

using namespace velmora;
using namespace Qt::StringLiterals;

using ItemChange = std::function<void(CartItem&)>;
Q_DECLARE_METATYPE(ItemChange)

namespace {

CartItem mug() {
    CartItem item;
    item.ItemName = u"Mug"_s;
    item.ItemID = u"M-1"_s;
    item.Price = u"12.5"_s;
    return item;
}

void dropDown(OptionSet& set, const QString& name, const QStringList& values) {
    set.Active = 1;
    set.Name = name;
    set.Kind = OptionSetKind::DropDown;
    for (qsizetype i = 0; i < values.size(); ++i)
        set.Values[std::size_t(i)] = values[i];
}

// The mug's line item with these fields added (or, where a field is null, taken out).
QJsonObject mugLine(const QJsonObject& changes = {}) {
    QJsonObject line{{u"name"_s, u"Mug"_s},
                     {u"product_id"_s, u"M-1"_s},
                     {u"collect_shipping_address"_s, false},
                     {u"unit_amount"_s, QJsonObject{{u"currency_code"_s, u"USD"_s}, {u"value"_s, u"12.5"_s}}}};
    for (auto field = changes.begin(); field != changes.end(); ++field) {
        if (field.value().isNull())
            line.remove(field.key());
        else
            line.insert(field.key(), field.value());
    }
    return line;
}

QJsonValue json(const char* text) {
    return QJsonDocument::fromJson(text).object().value(u"v");
}

} // namespace

class PaymentLinkBodyTest : public QObject {
    Q_OBJECT

private slots:
    void carriesEachField_data();
    void carriesEachField();
};

void PaymentLinkBodyTest::carriesEachField_data() {
    QTest::addColumn<ItemChange>("change");
    QTest::addColumn<QJsonObject>("line"); // empty where the item is refused
    QTest::addColumn<QString>("refusal");  // a part of it

    QTest::addRow("name, ID and the price in payment notation") << ItemChange([](CartItem&) {}) << mugLine() << "";
    QTest::addRow("shipping, its additional-unit charge and the address")
        << ItemChange([](CartItem& i) {
               i.Shipping1 = u"2"_s;
               i.Shipping2 = u"0.5"_s;
               i.ShippingAddress = 1;
           })
        << mugLine({{u"shipping"_s, json(R"({"v":[{"type":"FLAT","value":"2","additional_unit_value":"0.5"}]})")},
                    {u"collect_shipping_address"_s, true}})
        << "";
    QTest::addRow("a text-box set while the note is off becomes the buyer's note") << ItemChange([](CartItem& i) {
        i.Option1 = {1, u"Engraving"_s, OptionSetKind::TextBox, {}};
    }) << mugLine({{u"customer_notes"_s, json(R"({"v":[{"label":"Engraving","required":false}]})")}})
                                                                                   << "";
    QTest::addRow("drop-down sets: one dimension each, the first primary") << ItemChange([](CartItem& i) {
        dropDown(i.Option1, u"Size"_s, {u"S"_s, {}, u"L"_s});
        dropDown(i.Option2, u"Colour"_s, {u"Red"_s});
    }) << mugLine({{u"variants"_s, json(R"({"v":{"dimensions":[
               {"name":"Size","primary":true,"options":[{"label":"S"},{"label":"L"}]},
               {"name":"Colour","primary":false,"options":[{"label":"Red"}]}]}})")}})
                                                                           << "";
    QTest::addRow("priced options carry the price, the item none")
        << ItemChange([](CartItem& i) {
               dropDown(i.Option1, u"Size"_s, {u"S"_s, u"L"_s});
               i.Option1.Prices = {u"10"_s, u"14.5"_s};
           })
        << mugLine({{u"unit_amount"_s, QJsonValue::Null},
                    {u"variants"_s, json(R"({"v":{"dimensions":[{"name":"Size","primary":true,"options":[
                         {"label":"S","unit_amount":{"currency_code":"USD","value":"10"}},
                         {"label":"L","unit_amount":{"currency_code":"USD","value":"14.5"}}]}]}})")}})
        << "";
    QTest::addRow("buyer quantity, 10 at most unless given")
        << ItemChange([](CartItem& i) { i.BuyerQuantity = 1; })
        << mugLine({{u"adjustable_quantity"_s, json(R"({"v":{"maximum":10}})")}}) << "";
    QTest::addRow("buyer quantity with its maximum") << ItemChange([](CartItem& i) {
        i.BuyerQuantity = 1;
        i.MaxQuantity = u"25"_s;
    }) << mugLine({{u"adjustable_quantity"_s, json(R"({"v":{"maximum":25}})")}})
                                                     << "";
    QTest::addRow("tax rate as a percentage")
        << ItemChange([](CartItem& i) { i.TaxRate = u"8.250"_s; })
        << mugLine({{u"taxes"_s, json(R"({"v":[{"type":"PERCENTAGE","value":"8.25"}]})")}}) << "";

    const auto refused = [](const char* name, ItemChange change, const char* refusal) {
        QTest::addRow("%s", name) << change << QJsonObject() << QString::fromUtf8(refusal);
    };
    refused(
        "a donation", [](CartItem& i) { i.Kind = ButtonKind::Donate; }, "it is a donation");
    refused(
        "a subscription", [](CartItem& i) { i.Kind = ButtonKind::Subscribe; }, "it is a subscription");
    refused(
        "handling", [](CartItem& i) { i.Handling = u"1"_s; }, "handling charge");
    refused(
        "weight", [](CartItem& i) { i.Weight = u"2"_s; }, "it has a weight");
    refused(
        "advanced variables, named", [](CartItem& i) { i.Advanced = u"invoice=7\ncustom=x"_s; },
        "advanced variables (invoice, custom)");
    refused(
        "a tax rate out of range", [](CartItem& i) { i.TaxRate = u"120"_s; }, "ax");
    refused(
        "no item ID", [](CartItem& i) { i.ItemID.clear(); }, "no item ID");
    refused(
        "an item ID too long", [](CartItem& i) { i.ItemID = QString(51, u'x'); },
        "51 characters long; a payment link takes at most 50 there (product_id)");
    refused(
        "a name too long in code points", [](CartItem& i) { i.ItemName = u"😀"_s.repeated(128); },
        "128 characters long; a payment link takes at most 127");
    refused(
        "a zero price", [](CartItem& i) { i.Price = u"0.00"_s; }, "the price is zero");
    refused(
        "a negative price", [](CartItem& i) { i.Price = u"-3"_s; }, "the price is negative");
    refused(
        "a price that is no number", [](CartItem& i) { i.Price = u"twelve"_s; }, "holds no number");
    refused(
        "a note and a text-box set",
        [](CartItem& i) {
            i.Note = 1;
            i.NoteTitle = u"Gift"_s;
            i.Option1 = {1, u"Engraving"_s, OptionSetKind::TextBox, {}};
        },
        "a payment link holds one text from the buyer");
    refused(
        "a dimension name too long", [](CartItem& i) { dropDown(i.Option1, QString(65, u'n'), {u"S"_s}); },
        "(variants.dimensions.name)");
}

void PaymentLinkBodyTest::carriesEachField() {
    QFETCH(ItemChange, change);
    QFETCH(QJsonObject, line);
    QFETCH(QString, refusal);
    CartItem item = mug();
    change(item);
    MerchantSettings settings;
    settings.Currency = u"USD"_s;

    const PaymentLinkBody made = buildPaymentLinkBody(item, settings, QLocale::c());
    QVERIFY2(made.refusal.contains(refusal) && made.ok() == refusal.isEmpty(), qPrintable(made.refusal));
    if (!made.ok()) {
        QVERIFY(made.body.isEmpty());
        return;
    }
    QCOMPARE(made.body.value(u"line_items").toArray(), QJsonArray{line});
    // What the link then holds is what publishing it again would send.
    QVERIFY(linkHoldsBody(made.body, made.body));
}

QTEST_GUILESS_MAIN(PaymentLinkBodyTest)
#include "PaymentLinkBodyTest.moc"
