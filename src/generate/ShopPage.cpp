#include "generate/ShopPage.h"

#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/HtmlWriter.h"
#include "generate/Outputs.h"
#include "generate/PageSafeText.h"
#include "generate/PaymentButton.h"
#include "generate/PaymentLinkButton.h"
#include "generate/PaymentMoney.h"
#include "generate/ViewCart.h"

#include <algorithm>

namespace velmora {
namespace {

// Cards that fill a desktop's width in columns and stack on a phone.
constexpr QStringView Style =
    u"body{font-family:system-ui,sans-serif;line-height:1.4;color:#222;max-width:64rem;margin:0 auto;padding:1rem}"
    u"header{display:flex;flex-wrap:wrap;align-items:center;justify-content:space-between;gap:1rem}"
    u"h1{margin:0}"
    u"main{display:grid;grid-template-columns:repeat(auto-fill,minmax(16rem,1fr));gap:1rem;margin-top:1rem}"
    u"section{border:1px solid #ccc;border-radius:.5rem;padding:1rem;overflow-wrap:anywhere}"
    u"h2{font-size:1.2rem;margin:0 0 .5rem}"
    u".price{font-size:1.1rem;font-weight:bold;margin:0 0 .75rem}"
    u"select,input[type=text]{max-width:100%}"
    u".banner{padding:.75rem 1rem;border-radius:.5rem;font-weight:bold}"
    u".sandbox{background:#fff4c2;border:1px solid #c9a200}"
    u".live{background:#fde2e1;border:1px solid #c0392b}";

// A few kilobytes per item, most of it its form.
constexpr qsizetype ExpectedItemSize = 2048;

// The language's two- or three-letter code; the C locale writes numbers the English way.
QString languageCode(const QLocale& locale) {
    return locale.language() == QLocale::C ? QStringLiteral("en") : QLocale::languageToCode(locale.language());
}

// Written in the locale's digits; the form's own are ASCII.
QString inLocaleDigits(QStringView asciiDigits, const QLocale& locale) {
    if (locale.zeroDigit() == u"0")
        return asciiDigits.toString();
    QString digits;
    for (const QChar digit : asciiDigits)
        digits += locale.toString(digit.digitValue());
    return digits;
}

// The amount the form sends, digit for digit (a double would round a long one), grouped and with the decimal sign
// as the locale writes numbers.
QString localeMagnitude(QStringView amount, int decimals, const QLocale& locale) {
    const qsizetype point = amount.indexOf(u'.');
    const QStringView whole = point < 0 ? amount : amount.first(point);
    bool fits = false;
    const qulonglong wholeValue = whole.toULongLong(&fits);
    // Beyond 64 bits no locale groups it: the digits as they go out.
    QString magnitude = fits ? locale.toString(wholeValue) : inLocaleDigits(whole, locale);
    if (decimals > 0) {
        const QStringView fraction = point < 0 ? QStringView() : amount.sliced(point + 1);
        magnitude += locale.decimalPoint();
        magnitude += inLocaleDigits(fraction.toString().leftJustified(decimals, u'0'), locale);
    }
    return magnitude;
}

// The amount the payment page receives, written the way the page's reader writes money.
QString buyerPrice(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const PaymentMoney money(settings, locale);
    const QString amount = money.amount(item.Price);
    if (!isPaymentNotation(amount, money.withCents()))
        return amount; // not a number: shown as it goes out
    const int decimals = money.withCents() ? 2 : 0;
    const bool negative = amount.startsWith(u'-');
    // The locale places sign and currency around one unit of the same sign; the amount itself takes its place.
    const double unit = negative ? -1 : 1;
    const QStringView code = money.currencyCode();
    QString price;
    if (code.isEmpty()) {
        price = locale.toString(unit, 'f', decimals);
    } else if (locale.currencySymbol(QLocale::CurrencyIsoCode) == code) {
        // The reader's own currency by its sign ("5,00 €"), any other by its code ("EUR 5.00").
        price = locale.toCurrencyString(unit, locale.currencySymbol(), decimals);
    } else {
        // Some locales (C among them) write the code against the number; it reads as one word unless set apart.
        price = locale.toCurrencyString(unit, code.toString(), decimals);
        if (price.startsWith(code) && !price.at(code.size()).isSpace())
            price.insert(code.size(), QChar(0xa0));
        else if (price.endsWith(code) && !price.at(price.size() - code.size() - 1).isSpace())
            price.insert(price.size() - code.size(), QChar(0xa0));
    }
    const QString one = locale.toString(1.0, 'f', decimals);
    return price.replace(price.indexOf(one), one.size(),
                         localeMagnitude(QStringView(amount).sliced(negative ? 1 : 0), decimals, locale));
}

class PageWriter : public HtmlWriter {
public:
    PageWriter(qsizetype itemCount, const QString& title, const QLocale& locale)
        : HtmlWriter(4096 + itemCount * ExpectedItemSize) {
        markup(u"<!DOCTYPE html>\n<html lang=\"");
        text(languageCode(locale));
        markup(u"\">\n<head>\n<meta charset=\"utf-8\">\n"
               u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>");
        text(title);
        markup(u"</title>\n<style>");
        markup(Style);
        markup(u"</style>\n</head>\n<body>\n");
    }

    void banner(bool sandbox) {
        markup(sandbox
                   ? QStringView(u"<p class=\"banner sandbox\">Sandbox: these buttons make test payments only.</p>\n")
                   : QStringView(u"<p class=\"banner live\">Live: these buttons start real payments.</p>\n"));
    }

    // With the View Cart button, or without one where nothing on the page fills a cart.
    void header(const QString& title, const MerchantSettings* cartOf) {
        markup(u"<header><h1>");
        text(title);
        markup(u"</h1>");
        if (cartOf) {
            markup(u"<div class=\"cart\">");
            markup(BuildViewCartForm(*cartOf));
            markup(u"</div>");
        }
        markup(u"</header>\n<main>\n");
    }

    void item(const CartItem& item, const MerchantSettings& settings, const QLocale& locale, bool withLink) {
        itemHeading(item, settings, locale);
        markup(BuildButtonForm(item, settings, locale));
        markup(u"</div>");
        if (withLink) {
            markup(u"<p class=\"link\"><a href=\"");
            text(BuildCartLink(item, settings, locale));
            markup(u"\">");
            markup(paymentButtonFor(item).alt);
            markup(u" by link</a></p>");
        }
        markup(u"</section>\n");
    }

    void linkedItem(const CartItem& item, const QString& link, const MerchantSettings& settings,
                    const QLocale& locale) {
        itemHeading(item, settings, locale);
        if (!link.isEmpty())
            writePaymentLinkButton(*this, link, u"Buy now");
        markup(u"</div></section>\n");
    }

    QString finish() {
        markup(u"</main>\n</body>\n</html>\n");
        return take();
    }

private:
    // The item's name and price, and the opening of the place for how to buy it.
    void itemHeading(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
        markup(u"<section><h2>");
        text(item.ItemName);
        markup(u"</h2>");
        // Where the options set the price, each choice shows its own.
        if (const QString price = buyerPrice(item, settings, locale); buyerPaysThePrice(item) && !price.isEmpty()) {
            markup(u"<p class=\"price\">");
            text(price);
            markup(u"</p>");
        }
        markup(u"<div class=\"buy\">");
    }
};

QString shopHeading(const QString& title) {
    return title.isEmpty() ? QStringLiteral("Shop") : pageSafeText(title);
}

} // namespace

// Every text is made page-safe before any piece is built, so that the page's text and its forms say the same.
QString BuildPreviewPage(const CartItem& typedItem, const MerchantSettings& typedSettings, const QLocale& locale) {
    const CartItem item = pageSafeItem(typedItem);
    const MerchantSettings settings = pageSafeSettings(typedSettings);
    const QString title =
        item.ItemName.isEmpty() ? QStringLiteral("Preview") : QStringLiteral("Preview: ") + item.ItemName;
    PageWriter page(1, title, locale);
    page.banner(settings.UseSandbox);
    page.header(title, item.Kind == ButtonKind::Cart ? &settings : nullptr);
    page.item(item, settings, locale, refusalFor(output(OutputId::Link), item).isEmpty());
    return page.finish();
}

QString BuildCataloguePage(const QList<CartItem>& items, const MerchantSettings& typedSettings, const QString& title,
                           const QLocale& locale) {
    const MerchantSettings settings = pageSafeSettings(typedSettings);
    const QString heading = shopHeading(title);
    PageWriter page(items.size(), heading, locale);
    const bool withCart =
        std::any_of(items.begin(), items.end(), [](const CartItem& item) { return item.Kind == ButtonKind::Cart; });
    page.header(heading, withCart ? &settings : nullptr);
    for (const CartItem& item : items)
        page.item(pageSafeItem(item), settings, locale, false);
    return page.finish();
}

QString BuildPaymentLinkPage(const QList<CartItem>& items, const QStringList& links,
                             const MerchantSettings& typedSettings, const QString& title, const QLocale& locale) {
    const MerchantSettings settings = pageSafeSettings(typedSettings);
    const QString heading = shopHeading(title);
    PageWriter page(items.size(), heading, locale);
    page.header(heading, nullptr);
    for (qsizetype i = 0; i < items.size(); ++i)
        page.linkedItem(pageSafeItem(items[i]), pageSafeText(links.value(i)), settings, locale);
    return page.finish();
}

} // namespace velmora
