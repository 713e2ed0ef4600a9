#include "generate/CartLink.h"
#include "HostileValues.h"
#include "SampleItems.h"

#include <QTest>
#include <QUrlQuery>

using namespace velmora;

Q_DECLARE_METATYPE(CartItem)
Q_DECLARE_METATYPE(MerchantSettings)

namespace {

const QString Start = QStringLiteral("https://www.paypal.com/cart/add=1&business=SELLERID");

} // namespace

class CartLinkTest : public QObject {
    Q_OBJECT

private slots:
    void builds_data();
    void builds();
    void decodesToTypedValues_data();
    void decodesToTypedValues();
};

void CartLinkTest::builds_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<MerchantSettings>("settings");
    QTest::addColumn<QString>("expected");

    QTest::addRow("worked example")
        << bare([](CartItem& i) {
               i.ItemName = "Mug";
               i.ItemID = "M-1";
               i.Price = "5.00";
               i.Shipping2 = "1.00";
               i.ShippingAddress = 0;
               i.Note = 1;
               i.NoteTitle = "Gift message";
           })
        << seller()
        << Start + "&item_name=Mug&item_number=M-1&amount=5.00&shipping2=1.00&no_shipping=1&cn=Gift%20message";

    QTest::addRow("new item, empty settings")
        << CartItem{} << MerchantSettings{}
        << "https://www.paypal.com/cart/add=1&business=&item_name=&amount=&no_shipping=1&no_note=1";

    QTest::addRow("third check-box state") << bare([](CartItem& i) {
        i.ShippingAddress = 2;
        i.Note = 2;
        i.NoteTitle = "unused";
    }) << seller() << Start + "&item_name=&amount=&no_note=1";

    QTest::addRow("note with empty title, blanks are values") << bare([](CartItem& i) {
        i.Shipping1 = " ";
        i.Note = 1;
    }) << seller() << Start + "&item_name=&amount=&shipping=%20&cn=";

    QTest::addRow("merchant pages after the note")
        << bare()
        << MerchantSettings{"SELLERID", "https://s.example/logo.png", "https://s.example/paid",
                            "https://s.example/cancelled", "https://s.example/buy.png"}
        << Start + "&item_name=&amount=&no_note=1&image_url=https://s.example/logo.png"
                   "&return=https://s.example/paid&cancel_return=https://s.example/cancelled";

    QTest::addRow("option sets are not read") << bare([](CartItem& i) {
        i.Option1 = {1, "Größe", OptionSetKind::DropDown, {"Groß"}};
        i.Option2 = {1, "Gravur", OptionSetKind::TextBox, {}};
    }) << seller() << Start + "&item_name=&amount=&no_note=1";

    QTest::addRow("delimiters and the query's start are encoded, harmless punctuation is not")
        << bare([](CartItem& i) {
               i.ItemName = "A&B=C+D #5 50% \"<x>\";";
               i.ItemID = "-._~!$'()*,/:@?";
           })
        << seller()
        << Start + "&item_name=A%26B%3DC%2BD%20%235%2050%25%20%22%3Cx%3E%22%3B"
                   "&item_number=-._~!$'()*,/:@%3F&amount=&no_note=1";

    QTest::addRow("shopping page after the cancel page, encoded")
        << bare() << seller([](MerchantSettings& s) {
               s.PurchaseCancelURL = "https://s.example/cancelled";
               s.ShoppingURL = "https://s.example/shop?a=1&b=2";
           })
        << Start + "&item_name=&amount=&no_note=1&cancel_return=https://s.example/cancelled"
                   "&shopping_url=https://s.example/shop%3Fa%3D1%26b%3D2";

    QTest::addRow("shopping page where the cancel page would stand") << bare() << seller([](MerchantSettings& s) {
        s.PurchaseSuccessURL = "https://s.example/paid";
        s.ShoppingURL = "https://s.example/shop";
    }) << Start + "&item_name=&amount=&no_note=1&return=https://s.example/paid&shopping_url=https://s.example/shop";

    QTest::addRow("sandbox points to the test site")
        << bare() << seller([](MerchantSettings& s) { s.UseSandbox = true; })
        << "https://www.sandbox.paypal.com/cart/add=1&business=SELLERID&item_name=&amount=&no_note=1";

    QTest::addRow("non-ASCII is UTF-8 and says so")
        << bare([](CartItem& i) { i.ItemName = "Café 日本"; }) << seller()
        << Start + "&item_name=Caf%C3%A9%20%E6%97%A5%E6%9C%AC&amount=&no_note=1&charset=utf-8";

    // The other kinds point to the payment page's own command, with the same parameters in the same order and
    // encoding, as far as the kind takes them.
    const auto kind = [](ButtonKind k) {
        return bare([k](CartItem& i) {
            i.Kind = k;
            i.ItemName = "Mug & Co";
            i.ItemID = "M-1";
            i.Shipping1 = "2.00";
            i.Shipping2 = "1.00";
            i.ShippingAddress = 0;
            i.Note = 1;
            i.NoteTitle = "For whom?";
        });
    };
    const MerchantSettings shop = seller([](MerchantSettings& s) { s.ShoppingURL = "https://s.example/shop"; });
    QTest::addRow("buy now") << kind(ButtonKind::BuyNow) << shop
                             << "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=SELLERID"
                                "&item_name=Mug%20%26%20Co&item_number=M-1&amount=&shipping=2.00&shipping2=1.00"
                                "&no_shipping=1&cn=For%20whom%3F&shopping_url=https://s.example/shop";
    QTest::addRow("tax, handling and weight after the shipping, advanced variables at the end")
        << bare([](CartItem& i) {
               i.Price = "5";
               i.TaxRate = "19.000";
               i.Handling = "0.5";
               i.Weight = "3";
               i.Advanced = "custom=a&b=c";
           })
        << seller()
        << Start + "&item_name=&amount=5&handling=0.5&tax_rate=19&weight=3&weight_unit=lbs&no_note=1"
                   "&custom=a%26b%3Dc";
    QTest::addRow("donate: no shipping, no shop, an amount only when given")
        << kind(ButtonKind::Donate) << shop
        << "https://www.paypal.com/cgi-bin/webscr?cmd=_donations&business=SELLERID"
           "&item_name=Mug%20%26%20Co&item_number=M-1&cn=For%20whom%3F";
}

void CartLinkTest::builds() {
    QFETCH(CartItem, item);
    QFETCH(MerchantSettings, settings);
    QFETCH(QString, expected);

    QCOMPARE(BuildCartLink(item, settings), expected);
}

void CartLinkTest::decodesToTypedValues_data() {
    QTest::addColumn<QString>("hostile");
    for (const auto& [name, hostile] : HostileValues)
        QTest::addRow("%s", name) << hostile;
}

void CartLinkTest::decodesToTypedValues() {
    QFETCH(QString, hostile);
    const CartItem item = hostileItem(hostile);
    const MerchantSettings settings = hostileSettings(hostile);

    const QString link = BuildCartLink(item, settings);
    const QString prefix = QStringLiteral("https://www.paypal.com/cart/");
    QVERIFY(link.startsWith(prefix));
    const QUrlQuery query(link.sliced(prefix.size()));

    QList<std::pair<QString, QString>> expected{
        {"add", "1"},
        {"business", settings.eMail},
        {"item_name", item.ItemName},
        {"item_number", item.ItemID},
        {"amount", item.Price},
        {"shipping", item.Shipping1},
        {"shipping2", item.Shipping2},
        {"cn", item.NoteTitle},
        {"image_url", settings.StoreLogo},
        {"return", settings.PurchaseSuccessURL},
        {"cancel_return", settings.PurchaseCancelURL},
        {"shopping_url", settings.ShoppingURL},
    };
    const bool nonAscii = std::any_of(hostile.begin(), hostile.end(), [](QChar c) { return c.unicode() > 0x7f; });
    if (nonAscii)
        expected.emplaceBack("charset", "utf-8");
    QCOMPARE(query.queryItems(QUrl::FullyDecoded), expected);
}

QTEST_GUILESS_MAIN(CartLinkTest)
#include "CartLinkTest.moc"
