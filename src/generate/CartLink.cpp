#include "generate/CartLink.h"

#include "generate/NonAscii.h"
#include "generate/PaymentHost.h"
#include "generate/PaymentMoney.h"

#include <QUrl>

namespace velmora {
namespace {

// UTF-8, percent-encoded. Punctuation that cannot end or split a parameter stays readable; a raw blank, '&',
// '=', '+', '#' or '%' would break the link or forge a parameter, and a '?' would start the URL's query.
QByteArray percentEncoded(const QString& value) {
    return QUrl::toPercentEncoding(value, QByteArrayLiteral("!$'()*,/:@"));
}

class CartLinkQuery {
public:
    CartLinkQuery() {
        m_url = QStringLiteral("https://");
        m_url += PaymentHost;
        m_url += u"/cart/add=1";
    }

    void parameter(QStringView name, const QString& value) {
        m_url += u'&';
        m_url += name;
        m_url += u'=';
        m_needsUtf8 = m_needsUtf8 || hasNonAscii(value);
        m_url += QLatin1StringView(percentEncoded(value));
    }

    void parameterIfPresent(QStringView name, const QString& value) {
        if (!value.isEmpty())
            parameter(name, value);
    }

    void flag(QStringView name) {
        m_url += u'&';
        m_url += name;
        m_url += u"=1";
    }

    // Otherwise the payment service reads the decoded bytes in a legacy 8-bit encoding.
    QString finish() {
        if (m_needsUtf8)
            m_url += u"&charset=utf-8";
        return m_url;
    }

private:
    QString m_url;
    bool m_needsUtf8 = false;
};

} // namespace

QString BuildCartLink(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const PaymentMoney money(settings, locale);
    CartLinkQuery link;
    link.parameter(u"business", settings.eMail);
    link.parameter(u"item_name", item.ItemName);
    link.parameterIfPresent(u"item_number", item.ItemID);
    link.parameter(u"amount", money.amount(item.Price));
    link.parameterIfPresent(u"currency_code", money.currencyCode().toString());
    link.parameterIfPresent(u"shipping", money.amount(item.Shipping1));
    link.parameterIfPresent(u"shipping2", money.amount(item.Shipping2));
    if (item.ShippingAddress == 0)
        link.flag(u"no_shipping");
    if (item.Note == 1)
        link.parameter(u"cn", item.NoteTitle);
    else
        link.flag(u"no_note");
    link.parameterIfPresent(u"image_url", settings.StoreLogo);
    link.parameterIfPresent(u"return", settings.PurchaseSuccessURL);
    link.parameterIfPresent(u"cancel_return", settings.PurchaseCancelURL);
    return link.finish();
}

} // namespace velmora
