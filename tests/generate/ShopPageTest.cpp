#include "generate/ShopPage.h"
#include "SampleItems.h"
#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/ViewCart.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CartItem)
Q_DECLARE_METATYPE(MerchantSettings)

namespace {

const QString SandboxBanner = u"Sandbox: these buttons make test payments only."_s;
const QString LiveBanner = u"Live: these buttons start real payments."_s;

CartItem named(const QString& name, const QString& price, int option1Active = 0, ButtonKind kind = ButtonKind::Cart) {
    return bare([&](CartItem& i) {
        i.Kind = kind;
        i.ItemName = name;
        i.Price = price;
        i.Option1 = {option1Active, u"Size"_s, OptionSetKind::DropDown, {u"S"_s}};
        i.Subscription.Period = u"1"_s;
    });
}

QString escaped(QString text) {
    return text.replace(u'&', "&amp;"_L1).replace(u'<', "&lt;"_L1).replace(u'"', "&quot;"_L1);
}

} // namespace

class ShopPageTest : public QObject {
    Q_OBJECT

private slots:
    void preview_data();
    void preview();
    void catalogueHoldsEachFormInOrder();
    void paymentLinkPageHoldsEachLinkOnce();
    void titleAndLanguage_data();
    void titleAndLanguage();
    void priceAsABuyerReadsIt_data();
    void priceAsABuyerReadsIt();
    void forbiddenCharactersShowAsReplacement();
};

void ShopPageTest::preview_data() {
    QTest::addColumn<CartItem>("item");
    QTest::addColumn<bool>("sandbox");
    QTest::addColumn<bool>("hasLink");
    QTest::addColumn<bool>("viewCart");   // only a cart item's page shows the cart
    QTest::addColumn<bool>("priceShown"); // not where the options set it

    CartItem priced = named(u"Tee"_s, u"5.00"_s, 1);
    priced.Option1.Prices = {u"6"_s};
    QTest::addRow("live, no option set: with its link")
        << named(u"Mug & Co"_s, u"5.00"_s) << false << true << true << true;
    QTest::addRow("sandbox, option set in use: no link")
        << named(u"Mug"_s, u"5.00"_s, 1) << true << false << true << true;
    QTest::addRow("buy now") << named(u"Mug"_s, u"5.00"_s, 0, ButtonKind::BuyNow) << false << true << false << true;
    QTest::addRow("subscription: no link")
        << named(u"Box"_s, u"5.00"_s, 0, ButtonKind::Subscribe) << false << false << false << true;
    QTest::addRow("priced options: each choice shows its price") << priced << false << false << true << false;
}

void ShopPageTest::preview() {
    QFETCH(CartItem, item);
    QFETCH(bool, sandbox);
    QFETCH(bool, hasLink);
    QFETCH(bool, viewCart);
    QFETCH(bool, priceShown);
    const MerchantSettings settings = seller([&](MerchantSettings& s) {
        s.UseSandbox = sandbox;
        s.ShoppingURL = u"https://s.example/?a=1&b=2"_s;
    });
    const QLocale english(QLocale::English, QLocale::UnitedStates);

    const QString page = BuildPreviewPage(item, settings, english);
    QCOMPARE(page.contains(SandboxBanner), sandbox);
    QCOMPARE(page.contains(LiveBanner), !sandbox);
    QVERIFY(page.contains(BuildButtonForm(item, settings, english)));
    QCOMPARE(page.contains(BuildViewCartForm(settings)), viewCart);
    QVERIFY(page.indexOf(BuildViewCartForm(settings)) < page.indexOf(u"<section>"_s));
    QCOMPARE(page.contains(u"<a href=\""_s + escaped(BuildCartLink(item, settings, english)) + u"\">"_s), hasLink);
    QCOMPARE(page.count(u"<a "_s), hasLink ? 1 : 0);
    QCOMPARE(page.contains(u"<p class=\"price\">"_s), priceShown);
}

void ShopPageTest::catalogueHoldsEachFormInOrder() {
    const QList<CartItem> items{named(u"Mug"_s, u"5.00"_s), named(u"<b>Cap</b>"_s, u"7"_s, 1), named(u"Tee"_s, {})};
    const MerchantSettings settings = seller();
    const QString page = BuildCataloguePage(items, settings);

    qsizetype at = page.indexOf(BuildViewCartForm(settings));
    QVERIFY(at > 0);
    for (const CartItem& item : items) {
        const qsizetype heading = page.indexOf(u"<h2>"_s + escaped(item.ItemName).replace(u'>', "&gt;"_L1), at);
        const qsizetype form = page.indexOf(BuildButtonForm(item, settings), heading);
        QVERIFY2(heading > at && form > heading, qPrintable(item.ItemName));
        at = form;
    }
    QVERIFY(!page.contains(SandboxBanner) && !page.contains(LiveBanner) && !page.contains(u"<a "_s));
    QVERIFY(page.endsWith(u"</html>\n"_s));
}

// Each item as the catalogue shows it, up to its form, which a button to its own link replaces; nothing fills a cart.
void ShopPageTest::paymentLinkPageHoldsEachLinkOnce() {
    const QList<CartItem> items{named(u"Mug"_s, u"1234.5"_s), named(u"<b>Cap</b>"_s, u"7"_s, 1), named(u"Tee"_s, {})};
    const QStringList links{u"https://www.paypal.com/ncp/payment/A1"_s, u"https://x.example/?a=1&b=\"2\""_s};
    const MerchantSettings settings = seller([](MerchantSettings& s) { s.Currency = u"EUR"_s; });
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString page = BuildPaymentLinkPage(items, links, settings, u"Shop"_s, german);
    const QString catalogue = BuildCataloguePage(items, settings, u"Shop"_s, german);

    QVERIFY(!page.contains(u"<form"_s) && !page.contains(u"class=\"cart\""_s));
    QCOMPARE(page.count(u"<a "_s), links.size());
    qsizetype at = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString heading = catalogue.section(u"<section>"_s, i + 1, i + 1).section(u"<div class=\"buy\">"_s, 0, 0);
        at = page.indexOf(u"<section>"_s + heading + u"<div class=\"buy\">"_s, at);
        QVERIFY2(at > 0, qPrintable(items[i].ItemName));
        const QString buy = page.sliced(at).section(u"</section>"_s, 0, 0);
        if (i < links.size()) {
            QCOMPARE(page.count(escaped(links[i])), 1);
            QVERIFY(buy.contains(u"<a href=\""_s + escaped(links[i]) + u"\""_s) &&
                    buy.endsWith(u">Buy now</a></div>"_s));
        } else {
            QVERIFY(!buy.contains(u"<a "_s));
        }
    }
}

void ShopPageTest::titleAndLanguage_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("head");

    QTest::addRow("no title reads Shop") << QString() << QLocale(QLocale::English, QLocale::UnitedStates)
                                         << u"<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                                            "<title>Shop</title>"_s;
    QTest::addRow("markup in the title is text") << u"Tom & <Jerry>"_s << QLocale(QLocale::German, QLocale::Germany)
                                                 << u"<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                                                    "<meta name=\"viewport\" content=\"width=device-width, "
                                                    "initial-scale=1\">\n<title>Tom &amp; &lt;Jerry&gt;</title>"_s;
}

void ShopPageTest::titleAndLanguage() {
    QFETCH(QString, title);
    QFETCH(QLocale, locale);
    QFETCH(QString, head);
    const QString page = BuildCataloguePage({}, seller(), title, locale);
    QCOMPARE(page.left(16 + head.size()), u"<!DOCTYPE html>\n"_s + head);
}

void ShopPageTest::priceAsABuyerReadsIt_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shown");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::addRow("no currency: the number alone") << u"1234.5"_s << QString() << english << u"1,234.50"_s;
    QTest::addRow("the reader's own currency by its sign")
        << u"1.234,5"_s << u"EUR"_s << german << u"1.234,50\u00a0€"_s;
    QTest::addRow("another currency by its code") << u"5"_s << u"eur"_s << english << u"EUR\u00a05.00"_s;
    QTest::addRow("a code the locale writes against the number")
        << u"12.5"_s << u"EUR"_s << QLocale::c() << u"12.50\u00a0EUR"_s;
    QTest::addRow("whole units") << u"1234,5"_s << u"JPY"_s << german << u"1.235\u00a0JPY"_s;
    QTest::addRow("beyond a double's precision")
        << u"9007199254740993"_s << QString() << english << u"9,007,199,254,740,993.00"_s;
    QTest::addRow("negative, in the reader's own currency") << u"-5"_s << u"EUR"_s << german << u"-5,00\u00a0€"_s;
    QTest::addRow("in the locale's digits")
        << u"1234.5"_s << QString() << QLocale(QLocale::Arabic, QLocale::Egypt) << u"١٬٢٣٤٫٥٠"_s;
    QTest::addRow("no number: as it goes out") << u"ask us"_s << QString() << english << u"ask us"_s;
    QTest::addRow("no price: no line") << QString() << u"USD"_s << english << QString();
}

void ShopPageTest::priceAsABuyerReadsIt() {
    QFETCH(QString, price);
    QFETCH(QString, currency);
    QFETCH(QLocale, locale);
    QFETCH(QString, shown);
    const MerchantSettings settings = seller([&](MerchantSettings& s) { s.Currency = currency; });
    const QString page = BuildPreviewPage(named(u"Mug"_s, price), settings, locale);
    const qsizetype start = page.indexOf(u"<p class=\"price\">"_s);
    if (shown.isEmpty()) {
        QCOMPARE(start, -1);
        return;
    }
    QVERIFY(start > 0);
    QCOMPARE(page.sliced(start).section(u'>', 1, 1).section(u'<', 0, 0), shown);
}

// What a strict parser refuses in a document becomes U+FFFD, in the page's text and in its forms alike.
void ShopPageTest::forbiddenCharactersShowAsReplacement() {
    const QString forbidden = u"\u0001\r\u007F\u0085\uFDD0\uFFFE"_s + QChar(0xD800) + u"\U0001FFFF"_s;
    const QString shown = QString(forbidden.size() - 1, QChar::ReplacementCharacter);
    const CartItem item = named(u"Mug"_s + forbidden, u"5"_s);
    const MerchantSettings settings = seller([&](MerchantSettings& s) { s.eMail += forbidden; });

    const QString page = BuildCataloguePage({item}, settings, u"Shop"_s + forbidden);
    QVERIFY(page.contains(u"<title>Shop"_s + shown + u"</title>"_s));
    QVERIFY(page.contains(u"<h2>Mug"_s + shown + u"</h2>"_s));
    QVERIFY(page.contains(u"name=\"item_name\" value=\"Mug"_s + shown + u"\""_s));
    QVERIFY(page.contains(u"name=\"business\" value=\"SELLERID"_s + shown + u"\""_s));
    QVERIFY(!page.contains(u"&#"_s));
}

QTEST_GUILESS_MAIN(ShopPageTest)
#include "ShopPageTest.moc"
