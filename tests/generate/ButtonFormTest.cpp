#include "generate/ButtonForm.h"
#include "SampleItems.h"

#include <QTest>

using namespace velmora;

Q_DECLARE_METATYPE(CartItem)
Q_DECLARE_METATYPE(MerchantSettings)

namespace {

const QString Head =
    QStringLiteral(R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post">)"
                   R"(<input type="hidden" name="cmd" value="_cart">)");
const QString Utf8Head =
    QStringLiteral(R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post" )"
                   R"(accept-charset="utf-8"><input type="hidden" name="cmd" value="_cart">)"
                   R"(<input type="hidden" name="charset" value="utf-8">)");
const QString Seller = QStringLiteral(R"(<input type="hidden" name="business" value="SELLERID">)");
const QString NoItem = QStringLiteral(R"(<input type="hidden" name="item_name" value="">)"
                                      R"(<input type="hidden" name="amount" value="">)");
const QString NoNote = QStringLiteral(R"(<input type="hidden" name="no_note" value="1">)");
const QString Tail = QStringLiteral(R"(<input type="image" src="https://www.paypal.com/images/x-click-but22.gif" )"
                                    R"(border="0" name="submit" alt="Add to cart">)"
                                    R"(<input type="hidden" name="add" value="1"></form>)");

OptionSet dropDown(const QString& name, std::array<QString, 10> values) {
    return {1, name, OptionSetKind::DropDown, values};
}

CartItem mug() {
    CartItem item;
    item.ItemName = QStringLiteral("Mug");
    item.ItemID = QStringLiteral("M-1");
    item.Price = QStringLiteral("5.00");
    item.Shipping2 = QStringLiteral("1.00");
    item.ShippingAddress = 1;
    item.Note = 1;
    item.NoteTitle = QStringLiteral("Gift message");
    item.Option1 = dropDown(QStringLiteral("Color"), {QStringLiteral("Red"), {}, QStringLiteral("Blue")});
    item.Option2 = {1, QStringLiteral("Engraving"), OptionSetKind::TextBox, {}};
    return item;
}

} // namespace

class ButtonFormTest : public QObject {
    Q_OBJECT

private slots:
    void builds_data();
    void builds();
    void buildsEachKind_data();
    void buildsEachKind();
    void buildsWhatTheOrderAdds_data();
    void buildsWhatTheOrderAdds();
};

void ButtonFormTest::builds_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<MerchantSettings>("settings");
    QTest::addColumn<QString>("expected");

    QTest::addRow("worked example: its text option asks for UTF-8")
        << mug() << seller()
        << Utf8Head + Seller + R"(<input type="hidden" name="item_name" value="Mug">)" +
               R"(<input type="hidden" name="item_number" value="M-1">)" +
               R"(<input type="hidden" name="amount" value="5.00">)" +
               R"(<input type="hidden" name="cn" value="Gift message">)" +
               R"(<table><tr><td><input type="hidden" name="on0" value="Color">Color</td><td><select name="os0">)" +
               R"(<option value="Red">Red<option value="Blue">Blue</select></td></tr>)" +
               R"(<tr><td><input type="hidden" name="on1" value="Engraving">Engraving</td>)" +
               R"(<td><input type="text" name="os1" maxlength="200"></td></tr></table>)" + Tail;

    QTest::addRow("new item, empty settings, no shipping address")
        << CartItem{} << MerchantSettings{}
        << Head + R"(<input type="hidden" name="business" value="">)" + NoItem +
               R"(<input type="hidden" name="no_shipping" value="1">)" + NoNote + Tail;

    QTest::addRow("both shipping charges")
        << bare([](CartItem& i) {
               i.Shipping1 = "2.00";
               i.Shipping2 = "1.00";
           })
        << seller()
        << Head + Seller + NoItem + R"(<input type="hidden" name="shipping" value="2.00">)" +
               R"(<input type="hidden" name="shipping2" value="1.00">)" + NoNote + Tail;

    QTest::addRow("merchant pages and button image")
        << bare()
        << MerchantSettings{"SELLERID", "https://s.example/logo.png", "https://s.example/paid",
                            "https://s.example/cancelled", "https://s.example/buy.png"}
        << Head + Seller + NoItem + R"(<input type="hidden" name="image_url" value="https://s.example/logo.png">)" +
               R"(<input type="hidden" name="return" value="https://s.example/paid">)" +
               R"(<input type="hidden" name="cancel_return" value="https://s.example/cancelled">)" + NoNote +
               R"(<input type="image" src="https://s.example/buy.png" border="0" name="submit" alt="Add to cart">)" +
               R"(<input type="hidden" name="add" value="1"></form>)";

    QTest::addRow("shopping page after the cancel page, escaped")
        << bare() << seller([](MerchantSettings& s) {
               s.PurchaseCancelURL = "https://s.example/cancelled";
               s.ShoppingURL = "https://s.example/shop?a=1&b=\"2\"";
           })
        << Head + Seller + NoItem +
               R"(<input type="hidden" name="cancel_return" value="https://s.example/cancelled">)" +
               R"(<input type="hidden" name="shopping_url" value="https://s.example/shop?a=1&amp;b=&quot;2&quot;">)" +
               NoNote + Tail;

    QTest::addRow("shopping page where the cancel page would stand")
        << bare() << seller([](MerchantSettings& s) {
               s.PurchaseSuccessURL = "https://s.example/paid";
               s.ShoppingURL = "https://s.example/shop";
           })
        << Head + Seller + NoItem + R"(<input type="hidden" name="return" value="https://s.example/paid">)" +
               R"(<input type="hidden" name="shopping_url" value="https://s.example/shop">)" + NoNote + Tail;

    QTest::addRow("sandbox posts to the test site, the button image stays")
        << bare() << seller([](MerchantSettings& s) { s.UseSandbox = true; })
        << R"(<form target="paypal" action="https://www.sandbox.paypal.com/cgi-bin/webscr" method="post">)"
           R"(<input type="hidden" name="cmd" value="_cart">)" +
               Seller + NoItem + NoNote + Tail;

    QTest::addRow("blanks are values")
        << bare([](CartItem& i) {
               i.ItemID = " ";
               i.Shipping1 = " ";
               i.Option1 = dropDown("", {QString(), " "});
           })
        << MerchantSettings{"SELLERID", " ", {}, {}, {}}
        << Head + Seller + R"(<input type="hidden" name="item_name" value="">)" +
               R"(<input type="hidden" name="item_number" value=" ">)" +
               R"(<input type="hidden" name="amount" value="">)" +
               R"(<input type="hidden" name="shipping" value=" ">)" +
               R"(<input type="hidden" name="image_url" value=" ">)" + NoNote +
               R"(<table><tr><td><input type="hidden" name="on0" value=""></td><td><select name="os0">)" +
               R"(<option value=" "> </select></td></tr></table>)" + Tail;

    QTest::addRow("third check-box state counts as unset") << bare([](CartItem& i) {
        i.ShippingAddress = 2;
        i.Note = 2;
        i.NoteTitle = "Note";
        i.Option1 = dropDown("Size", {"S"});
        i.Option1.Active = 2;
    }) << seller() << Head + Seller + NoItem + NoNote + Tail;

    QTest::addRow("note with empty title")
        << bare([](CartItem& i) { i.Note = 1; }) << seller()
        << Head + Seller + NoItem + R"(<input type="hidden" name="cn" value="">)" + Tail;

    QTest::addRow("drop-down without values, values at 3 and 9")
        << bare([](CartItem& i) {
               i.Option1 = dropDown("A", {});
               i.Option2 = dropDown("B", {});
               i.Option2.Values[9] = "nine";
               i.Option2.Values[3] = "three";
           })
        << seller()
        << Head + Seller + NoItem + NoNote +
               R"(<table><tr><td><input type="hidden" name="on0" value="A">A</td><td><select name="os0">)" +
               R"(</select></td></tr><tr><td><input type="hidden" name="on1" value="B">B</td><td><select name="os1">)" +
               R"(<option value="three">three<option value="nine">nine</select></td></tr></table>)" + Tail;

    QTest::addRow("second set alone makes no table") << bare([](CartItem& i) { i.Option2 = dropDown("B", {"b"}); })
                                                     << seller() << Head + Seller + NoItem + NoNote + Tail;

    QTest::addRow("first set without a kind")
        << bare([](CartItem& i) {
               i.Option1 = {1, "A", std::nullopt, {"a"}};
               i.Option2 = {1, "B", OptionSetKind::TextBox, {"unused"}};
           })
        << seller()
        << Utf8Head + Seller + NoItem + NoNote + R"(<table><tr><td><input type="hidden" name="on1" value="B">B</td>)" +
               R"(<td><input type="text" name="os1" maxlength="200"></td></tr></table>)" + Tail;

    QTest::addRow("markup characters are escaped")
        << bare([](CartItem& i) {
               i.ItemName = R"(12" <b>Mug</b> & Co)";
               i.Option1 = dropDown(R"(Size "A&B")", {"<S>"});
           })
        << MerchantSettings{R"(a"b@example.com)", {}, {}, {}, "x.png?a=1&b=<2>"}
        << Head + R"(<input type="hidden" name="business" value="a&quot;b@example.com">)" +
               R"(<input type="hidden" name="item_name" value="12&quot; &lt;b&gt;Mug&lt;/b&gt; &amp; Co">)" +
               R"(<input type="hidden" name="amount" value="">)" + NoNote +
               R"(<table><tr><td><input type="hidden" name="on0" value="Size &quot;A&amp;B&quot;">)" +
               R"(Size &quot;A&amp;B&quot;</td><td><select name="os0">)" +
               R"(<option value="&lt;S&gt;">&lt;S&gt;</select></td></tr></table>)" +
               R"(<input type="image" src="x.png?a=1&amp;b=&lt;2&gt;" border="0" name="submit" alt="Add to cart">)" +
               R"(<input type="hidden" name="add" value="1"></form>)";

    QTest::addRow("control characters but tab are references, so the form stays one line")
        << bare([](CartItem& i) {
               i.ItemName = QStringLiteral("a\r\nb\x01\x1f\x7f\tc");
               i.Option1 = dropDown("L\n", {"v\n"});
           })
        << seller()
        << Head + Seller + R"(<input type="hidden" name="item_name" value="a&#13;&#10;b&#1;&#31;&#127;)" + "\tc\">" +
               R"(<input type="hidden" name="amount" value="">)" + NoNote +
               R"(<table><tr><td><input type="hidden" name="on0" value="L&#10;">L&#10;</td><td><select name="os0">)" +
               R"(<option value="v&#10;">v&#10;</select></td></tr></table>)" + Tail;

    QTest::addRow("values far longer than any window allows")
        << bare([](CartItem& i) { i.ItemName = QString(3000, u'"'); })
        << MerchantSettings{"SELLERID", QString(9000, u'x'), {}, {}, {}}
        << Head + Seller + R"(<input type="hidden" name="item_name" value=")" + QString("&quot;").repeated(3000) +
               R"("><input type="hidden" name="amount" value=""><input type="hidden" name="image_url" value=")" +
               QString(9000, u'x') + "\">" + NoNote + Tail;

    QTest::addRow("non-ASCII option value asks for UTF-8")
        << bare([](CartItem& i) { i.Option1 = dropDown("Farbe", {"Grün"}); }) << seller()
        << Utf8Head + Seller + NoItem + NoNote +
               R"(<table><tr><td><input type="hidden" name="on0" value="Farbe">Farbe</td><td><select name="os0">)" +
               "<option value=\"Grün\">Grün</select></td></tr></table>" + Tail;

    QTest::addRow("non-ASCII only in values left out")
        << bare([](CartItem& i) {
               i.NoteTitle = "Grüße";
               i.Option1 = dropDown("Size", {"S"});
               i.Option2 = {0, "Gravur", OptionSetKind::TextBox, {"Grün"}};
           })
        << seller()
        << Head + Seller + NoItem + NoNote +
               R"(<table><tr><td><input type="hidden" name="on0" value="Size">Size</td><td><select name="os0">)" +
               R"(<option value="S">S</select></td></tr></table>)" + Tail;
}

void ButtonFormTest::builds() {
    QFETCH(CartItem, item);
    QFETCH(MerchantSettings, settings);
    QFETCH(QString, expected);

    QCOMPARE(BuildButtonForm(item, settings), expected);
}

namespace {

// The form of a kind other than the cart's: its command, the fields, its own picture and no "add".
QString kindForm(const QString& command, const QString& fields, const QString& picture, const QString& alt) {
    return QStringLiteral(R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post">)"
                          R"(<input type="hidden" name="cmd" value="%1">)")
               .arg(command) +
           Seller + fields +
           QStringLiteral(R"(<input type="image" src="https://www.paypalobjects.com/en_US/i/btn/%1" border="0" )"
                          R"(name="submit" alt="%2"></form>)")
               .arg(picture, alt);
}

QString hidden(const QString& name, const QString& value) {
    return QStringLiteral(R"(<input type="hidden" name="%1" value="%2">)").arg(name, value);
}

// Everything a kind may leave out: shipping, an address asked for, a note, options, the shop's own pages.
CartItem everything(ButtonKind kind) {
    CartItem item = mug();
    item.Kind = kind;
    item.Shipping1 = QStringLiteral("2.00");
    item.ShippingAddress = 0;
    item.Option2 = {};
    item.Subscription = {QStringLiteral("1"), QStringLiteral("M"), {}, {}, {}, QStringLiteral("M")};
    return item;
}

const QString Options = QStringLiteral(R"(<table><tr><td><input type="hidden" name="on0" value="Color">Color</td>)"
                                       R"(<td><select name="os0"><option value="Red">Red<option value="Blue">Blue)"
                                       R"(</select></td></tr></table>)");

} // namespace

void ButtonFormTest::buildsEachKind_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<QString>("expected");

    const QString item = hidden("item_name", "Mug") + hidden("item_number", "M-1");
    const QString shipping = hidden("shipping", "2.00") + hidden("shipping2", "1.00") + hidden("no_shipping", "1");
    const QString shopping = hidden("shopping_url", "https://s.example/shop");

    QTest::addRow("buy now: everything but the cart's add and the merchant's picture")
        << everything(ButtonKind::BuyNow)
        << kindForm("_xclick",
                    item + hidden("amount", "5.00") + shipping + shopping + hidden("cn", "Gift message") + Options,
                    "btn_buynow_LG.gif", "Buy Now");
    QTest::addRow("donate: the cause, its price, the note; no shipping, options or shop")
        << everything(ButtonKind::Donate)
        << kindForm("_donations", item + hidden("amount", "5.00") + hidden("cn", "Gift message"), "btn_donate_LG.gif",
                    "Donate");
    QTest::addRow("donate without a price: the donor chooses")
        << bare([](CartItem& i) {
               i.Kind = ButtonKind::Donate;
               i.ItemName = "Shelter";
           })
        << kindForm("_donations", hidden("item_name", "Shelter") + hidden("no_note", "1"), "btn_donate_LG.gif",
                    "Donate");
    QTest::addRow("subscribe: monthly until cancelled, options kept, no note, shipping or amount")
        << everything(ButtonKind::Subscribe)
        << kindForm("_xclick-subscriptions",
                    item + hidden("a3", "5.00") + hidden("p3", "1") + hidden("t3", "M") + hidden("src", "1") +
                        hidden("no_note", "1") + Options,
                    "btn_subscribe_LG.gif", "Subscribe");
    QTest::addRow("subscribe: a free trial week, then twelve payments, German prices")
        << bare([](CartItem& i) {
               i.Kind = ButtonKind::Subscribe;
               i.Price = "9,90";
               i.Subscription = {" 3 ", "Y", "12", {}, "1", "W"};
           })
        << kindForm("_xclick-subscriptions",
                    hidden("item_name", "") + hidden("a1", "0") + hidden("p1", "1") + hidden("t1", "W") +
                        hidden("a3", "9.90") + hidden("p3", "3") + hidden("t3", "Y") + hidden("src", "1") +
                        hidden("srt", "12") + hidden("no_note", "1"),
                    "btn_subscribe_LG.gif", "Subscribe");
}

void ButtonFormTest::buildsEachKind() {
    QFETCH(CartItem, item);
    QFETCH(QString, expected);

    // The merchant's picture is of an "Add to cart" button: no other kind takes it.
    const MerchantSettings shop = seller([](MerchantSettings& s) {
        s.ButtonImageURL = "https://s.example/cart.png";
        s.ShoppingURL = "https://s.example/shop";
    });
    QCOMPARE(BuildButtonForm(item, shop, QLocale(QLocale::German, QLocale::Germany)), expected);
}

void ButtonFormTest::buildsWhatTheOrderAdds_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<QString>("expected");

    const auto priced = [](ButtonKind kind) {
        return bare([kind](CartItem& i) {
            i.Kind = kind;
            i.ItemName = "Shirt";
            i.Price = "9.00";
            i.Option1 = dropDown("Size", {"Small", {}, "Large"});
            i.Option1.Prices = {"10", {}, "12,5"};
        });
    };
    const QString sizes = R"(<table><tr><td><input type="hidden" name="on0" value="Size">Size</td>)"
                          R"(<td><select name="os0"><option value="Small">Small - 10.00 EUR)"
                          R"(<option value="Large">Large - 12.50 EUR</select></td></tr></table>)";
    const QString pairs = hidden("option_index", "0") + hidden("option_select0", "Small") +
                          hidden("option_amount0", "10") + hidden("option_select1", "Large") +
                          hidden("option_amount1", "12.50");
    QTest::addRow("priced options in the cart: no amount, a pair for each value")
        << priced(ButtonKind::Cart)
        << Head + Seller + hidden("item_name", "Shirt") + hidden("currency_code", "EUR") + NoNote + sizes + pairs +
               Tail;
    QTest::addRow("priced options in a buy-now form, the buyer choosing the quantity")
        <<
        [&] {
            CartItem item = priced(ButtonKind::BuyNow);
            item.BuyerQuantity = 1;
            return item;
        }()
        << kindForm("_xclick",
                    hidden("item_name", "Shirt") + hidden("undefined_quantity", "1") + hidden("currency_code", "EUR") +
                        NoNote + sizes + pairs,
                    "btn_buynow_LG.gif", "Buy Now");
    QTest::addRow("a subscription ignores the prices")
        <<
        [&] {
            CartItem item = priced(ButtonKind::Subscribe);
            item.Subscription.Period = "1";
            return item;
        }()
        << kindForm("_xclick-subscriptions",
                    hidden("item_name", "Shirt") + hidden("a3", "9.00") + hidden("p3", "1") + hidden("t3", "M") +
                        hidden("src", "1") + hidden("currency_code", "EUR") + NoNote +
                        R"(<table><tr><td><input type="hidden" name="on0" value="Size">Size</td><td><select )"
                        R"(name="os0"><option value="Small">Small<option value="Large">Large</select></td></tr>)"
                        R"(</table>)",
                    "btn_subscribe_LG.gif", "Subscribe");
    QTest::addRow("tax, handling and weight after the shipping, in the payment page's notation")
        << bare([](CartItem& i) {
               i.Price = "5";
               i.TaxRate = "8,250";
               i.Handling = "1,5";
               i.Weight = "2,50";
               i.WeightUnit = "kgs";
           })
        << Head + Seller + hidden("item_name", "") + hidden("amount", "5") + hidden("currency_code", "EUR") +
               hidden("handling", "1.50") + hidden("tax_rate", "8.25") + hidden("weight", "2.5") +
               hidden("weight_unit", "kgs") + NoNote + Tail;
    QTest::addRow("advanced variables right before the button, escaped")
        << bare([](CartItem& i) { i.Advanced = "custom=a\"b&c\n\nlc=DE\r\n"; })
        << Head + Seller + NoItem + hidden("currency_code", "EUR") + NoNote + hidden("custom", "a&quot;b&amp;c") +
               hidden("lc", "DE") + Tail;
}

void ButtonFormTest::buildsWhatTheOrderAdds() {
    QFETCH(CartItem, item);
    QFETCH(QString, expected);

    const MerchantSettings euros = seller([](MerchantSettings& s) { s.Currency = "EUR"; });
    QCOMPARE(BuildButtonForm(item, euros, QLocale(QLocale::German, QLocale::Germany)), expected);
}

QTEST_GUILESS_MAIN(ButtonFormTest)
#include "ButtonFormTest.moc"
