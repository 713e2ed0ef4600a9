#include "generate/FormWriter.h"

#include "generate/NonAscii.h"
#include "generate/PaymentHost.h"

namespace velmora {
namespace {

// Without this the payment service reads the posted values as a legacy 8-bit encoding and "Café", typed by the
// merchant or by the buyer, arrives mangled. Patched in afterwards, which keeps building the form a single pass.
void announceUtf8(QString& html) {
    const qsizetype formTagEnd = html.indexOf(u'>');
    const qsizetype cmdFieldEnd = html.indexOf(u'>', formTagEnd + 1) + 1;
    html.insert(cmdFieldEnd, u"<input type=\"hidden\" name=\"charset\" value=\"utf-8\">");
    html.insert(formTagEnd, u" accept-charset=\"utf-8\"");
}

} // namespace

FormWriter::FormWriter(const MerchantSettings& settings, QLatin1StringView command, qsizetype expectedSize)
    : HtmlWriter(expectedSize) {
    markup(u"<form target=\"paypal\" action=\"https://");
    markup(paymentActionHost(settings));
    markup(u"/cgi-bin/webscr\" method=\"post\">");
    markup(u"<input type=\"hidden\" name=\"cmd\" value=\"");
    markup(command);
    markup(u"\">");
}

QString FormWriter::finish() {
    QString html = take();
    // All markup is ASCII, so anything else came from a value.
    if (m_buyerTypes || hasNonAscii(html))
        announceUtf8(html);
    return html;
}

} // namespace velmora
