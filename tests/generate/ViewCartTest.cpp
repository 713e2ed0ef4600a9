#include "generate/ViewCart.h"
#include "SampleItems.h"

#include <QTest>

using namespace velmora;

Q_DECLARE_METATYPE(MerchantSettings)

namespace {

const QString Button =
    QStringLiteral(R"(<input type="image" src="https://www.paypal.com/en_US/i/btn/btn_viewcart_LG.gif" )"
                   R"(border="0" name="submit" alt="View Cart"></form>)");

} // namespace

class ViewCartTest : public QObject {
    Q_OBJECT

private slots:
    void builds_data();
    void builds();
};

void ViewCartTest::builds_data() {
    QTest::addColumn<MerchantSettings>("settings");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("link");

    QTest::addRow("account only")
        << seller()
        << R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post">)"
           R"(<input type="hidden" name="cmd" value="_cart"><input type="hidden" name="business" value="SELLERID">)"
           R"(<input type="hidden" name="display" value="1">)" +
               Button
        << "https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=SELLERID";

    QTest::addRow("shopping page, escaped and encoded")
        << seller([](MerchantSettings& s) { s.ShoppingURL = R"(https://s.example/shop?a=1&b="<2>")"; })
        << R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post">)"
           R"(<input type="hidden" name="cmd" value="_cart"><input type="hidden" name="business" value="SELLERID">)"
           R"(<input type="hidden" name="display" value="1">)"
           R"(<input type="hidden" name="shopping_url" value="https://s.example/shop?a=1&amp;b=&quot;&lt;2&gt;&quot;">)" +
               Button
        << "https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=SELLERID"
           "&shopping_url=https://s.example/shop%3Fa%3D1%26b%3D%22%3C2%3E%22";

    QTest::addRow("sandbox: the test site, the button image stays")
        << seller([](MerchantSettings& s) {
               s.UseSandbox = true;
               s.ShoppingURL = "https://s.example/";
           })
        << R"(<form target="paypal" action="https://www.sandbox.paypal.com/cgi-bin/webscr" method="post">)"
           R"(<input type="hidden" name="cmd" value="_cart"><input type="hidden" name="business" value="SELLERID">)"
           R"(<input type="hidden" name="display" value="1">)"
           R"(<input type="hidden" name="shopping_url" value="https://s.example/">)" +
               Button
        << "https://www.sandbox.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=SELLERID"
           "&shopping_url=https://s.example/";

    QTest::addRow("non-ASCII account announces UTF-8")
        << MerchantSettings{QStringLiteral("café@example.com"), {}, {}, {}, {}}
        << QStringLiteral(R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post" )"
                          R"(accept-charset="utf-8"><input type="hidden" name="cmd" value="_cart">)"
                          R"(<input type="hidden" name="charset" value="utf-8">)"
                          R"(<input type="hidden" name="business" value="café@example.com">)"
                          R"(<input type="hidden" name="display" value="1">)") +
               Button
        << "https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=caf%C3%A9@example.com&charset=utf-8";
}

void ViewCartTest::builds() {
    QFETCH(MerchantSettings, settings);
    QFETCH(QString, form);
    QFETCH(QString, link);

    QCOMPARE(BuildViewCartForm(settings), form);
    QCOMPARE(BuildViewCartLink(settings), link);
}

QTEST_GUILESS_MAIN(ViewCartTest)
#include "ViewCartTest.moc"
