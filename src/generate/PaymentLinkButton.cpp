#include "generate/PaymentLinkButton.h"

namespace velmora {

QString BuildPaymentLinkButton(const QString& link) {
    HtmlWriter html(512 + link.size());
    writePaymentLinkButton(html, link, u"Buy Now");
    return html.take();
}

void writePaymentLinkButton(HtmlWriter& html, QStringView link, QStringView caption) {
    html.markup(u"<a href=\"");
    html.text(link);
    // Everything the page around it might style otherwise, so that it looks the same wherever it is pasted.
    html.markup(u"\" style=\"display:inline-block;padding:.6em 1.8em;border:0;border-radius:.4em;"
                u"background:#1b5fab;color:#fff;font:bold 1rem/1.2 system-ui,sans-serif;text-align:center;"
                u"text-decoration:none;cursor:pointer\">");
    html.text(caption);
    html.markup(u"</a>");
}

} // namespace velmora
