#include "generate/ButtonForm.h"

#include "generate/HtmlWriter.h"
#include "generate/NonAscii.h"
#include "generate/PaymentHost.h"
#include "generate/PaymentMoney.h"

namespace velmora {
namespace {

// The field names that tie an option set's rows to its slot on the payment page.
struct OptionFieldNames {
    QStringView name;
    QStringView value;
};
constexpr OptionFieldNames Option1Fields{u"on0", u"os0"};
constexpr OptionFieldNames Option2Fields{u"on1", u"os1"};

// The largest form the window allows is under 5000 characters.
constexpr qsizetype ExpectedFormSize = 8192;

class FormWriter : public HtmlWriter {
public:
    FormWriter() : HtmlWriter(ExpectedFormSize) {}

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

    bool buyerTypes = false; // a text-box row lets the buyer type anything, so the form must take any character
};

void writeDropDownCell(FormWriter& form, const OptionSet& set, OptionFieldNames fields) {
    form.markup(u"<td><select name=\"");
    form.markup(fields.value);
    form.markup(u"\">");
    for (const QString& value : set.Values) {
        if (value.isEmpty())
            continue;
        form.markup(u"<option value=\"");
        form.text(value);
        form.markup(u"\">");
        form.text(value);
    }
    form.markup(u"</select></td></tr>");
}

void writeTextCell(FormWriter& form, OptionFieldNames fields) {
    form.buyerTypes = true;
    form.markup(u"<td><input type=\"text\" name=\"");
    form.markup(fields.value);
    form.markup(u"\" maxlength=\"200\"></td></tr>");
}

// A set without a kind gets no row at all.
void writeOptionRow(FormWriter& form, const OptionSet& set, OptionFieldNames fields) {
    if (!set.Kind)
        return;
    form.markup(u"<tr><td>");
    form.hidden(fields.name, set.Name);
    form.text(set.Name);
    form.markup(u"</td>");
    if (*set.Kind == OptionSetKind::DropDown)
        writeDropDownCell(form, set, fields);
    else
        writeTextCell(form, fields);
}

void writeOptionsTable(FormWriter& form, const CartItem& item) {
    form.markup(u"<table>");
    writeOptionRow(form, item.Option1, Option1Fields);
    if (item.Option2.Active == 1)
        writeOptionRow(form, item.Option2, Option2Fields);
    form.markup(u"</table>");
}

void writeSubmitButton(FormWriter& form, const MerchantSettings& settings) {
    form.markup(u"<input type=\"image\" src=\"");
    if (settings.ButtonImageURL.isEmpty()) {
        form.markup(u"https://");
        form.markup(PaymentHost);
        form.markup(u"/images/x-click-but22.gif");
    } else {
        form.text(settings.ButtonImageURL);
    }
    form.markup(u"\" border=\"0\" name=\"submit\" alt=\"Add to cart\">");
}

// Without this the payment service reads the posted values as a legacy 8-bit encoding and "Café", typed by the
// merchant or by the buyer, arrives mangled. Patched in afterwards, which keeps building the form a single pass.
void announceUtf8(QString& html) {
    const qsizetype formTagEnd = html.indexOf(u'>');
    const qsizetype cmdFieldEnd = html.indexOf(u'>', formTagEnd + 1) + 1;
    html.insert(cmdFieldEnd, u"<input type=\"hidden\" name=\"charset\" value=\"utf-8\">");
    html.insert(formTagEnd, u" accept-charset=\"utf-8\"");
}

} // namespace

QString BuildButtonForm(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const PaymentMoney money(settings, locale);
    FormWriter form;
    form.markup(u"<form target=\"paypal\" action=\"https://");
    form.markup(PaymentHost);
    form.markup(u"/cgi-bin/webscr\" method=\"post\">");
    form.markup(u"<input type=\"hidden\" name=\"cmd\" value=\"_cart\">");
    form.hidden(u"business", settings.eMail);
    form.hidden(u"item_name", item.ItemName);
    form.hiddenIfPresent(u"item_number", item.ItemID);
    form.hidden(u"amount", money.amount(item.Price));
    form.hiddenIfPresent(u"currency_code", money.currencyCode());
    if (!item.Shipping1.isEmpty()) {
        form.hidden(u"shipping", money.amount(item.Shipping1));
        form.hiddenIfPresent(u"shipping2", money.amount(item.Shipping2));
    }
    // The link says the same with its "no_shipping" parameter; the check box must mean one thing.
    if (item.ShippingAddress == 0)
        form.markup(u"<input type=\"hidden\" name=\"no_shipping\" value=\"1\">");
    form.hiddenIfPresent(u"image_url", settings.StoreLogo);
    form.hiddenIfPresent(u"return", settings.PurchaseSuccessURL);
    form.hiddenIfPresent(u"cancel_return", settings.PurchaseCancelURL);
    if (item.Note == 1)
        form.hidden(u"cn", item.NoteTitle);
    else
        form.markup(u"<input type=\"hidden\" name=\"no_note\" value=\"1\">");
    if (item.Option1.Active == 1)
        writeOptionsTable(form, item);
    writeSubmitButton(form, settings);
    form.markup(u"<input type=\"hidden\" name=\"add\" value=\"1\"></form>");

    QString html = form.take();
    // All markup is ASCII, so anything else came from a value.
    if (form.buyerTypes || hasNonAscii(html))
        announceUtf8(html);
    return html;
}

} // namespace velmora
