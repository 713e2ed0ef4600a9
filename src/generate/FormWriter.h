#pragma once

#include "generate/HtmlWriter.h"
#include "model/MerchantSettings.h"

namespace velmora {

// A form that posts to the payment service: the constructor opens it on the merchant's host with the command it is
// asked for ("_cart", say), the caller adds fields and closes it, and finish() hands it over.
class FormWriter : public HtmlWriter {
public:
    FormWriter(const MerchantSettings& settings, QLatin1StringView command, qsizetype expectedSize);

    void hidden(QStringView name, QStringView value) {
        markup(u"<input type=\"hidden\" name=\"");
        markup(name);
        markup(u"\" value=\"");
        text(value);
        markup(u"\">");
    }

    void hiddenIfPresent(QStringView name, QStringView value) {
        if (!value.isEmpty())
            hidden(name, value);
    }

    // A field the buyer types into may receive any character.
    void letBuyerType() { m_buyerTypes = true; }

    QString finish();

private:
    bool m_buyerTypes = false;
};

} // namespace velmora
