#pragma once

#include "generate/HtmlWriter.h"

#include <QString>

namespace velmora {

// A "Buy Now" button, one line of HTML, that opens the payment link: a link styled inline, so that it looks like a
// button in any page it is pasted into, without a stylesheet, a script or an image.
QString BuildPaymentLinkButton(const QString& link);

// The same button with a caption of the page's own, written into a page being built.
void writePaymentLinkButton(HtmlWriter& html, QStringView link, QStringView caption);

} // namespace velmora
