#include "generate/ButtonForm.h"

#include "generate/FormWriter.h"
#include "generate/PaymentButton.h"
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
    form.letBuyerType();
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

// A trial's price may be nothing at all: a free trial.
void writeSubscription(FormWriter& form, const SubscriptionTerms& terms, const QString& price,
                       const PaymentMoney& money) {
    if (terms.hasTrial()) {
        form.hidden(u"a1", money.amount(terms.TrialAmount.isEmpty() ? QStringLiteral("0") : terms.TrialAmount));
        form.hidden(u"p1", terms.TrialPeriod.trimmed());
        form.hidden(u"t1", terms.TrialUnit);
    }
    form.hidden(u"a3", money.amount(price));
    form.hidden(u"p3", terms.Period.trimmed());
    form.hidden(u"t3", terms.Unit);
    form.markup(u"<input type=\"hidden\" name=\"src\" value=\"1\">");
    form.hiddenIfPresent(u"srt", terms.Times.trimmed());
}

void writePrice(FormWriter& form, const CartItem& item, PriceField field, const PaymentMoney& money) {
    switch (field) {
    case PriceField::Amount:
        return form.hidden(u"amount", money.amount(item.Price));
    case PriceField::AmountIfGiven:
        return form.hiddenIfPresent(u"amount", money.amount(item.Price));
    case PriceField::RegularPayment:
        return writeSubscription(form, item.Subscription, item.Price, money);
    }
}

void writeShipping(FormWriter& form, const CartItem& item, const PaymentMoney& money) {
    if (!item.Shipping1.isEmpty()) {
        form.hidden(u"shipping", money.amount(item.Shipping1));
        form.hiddenIfPresent(u"shipping2", money.amount(item.Shipping2));
    }
    // The link says the same with its "no_shipping" parameter; the check box must mean one thing.
    if (item.ShippingAddress == 0)
        form.markup(u"<input type=\"hidden\" name=\"no_shipping\" value=\"1\">");
}

void writeSubmitButton(FormWriter& form, const PaymentButton& button, const MerchantSettings& settings) {
    form.markup(u"<input type=\"image\" src=\"");
    // The merchant's picture is of an "Add to cart" button; the other kinds keep the payment service's.
    if (!button.ownImage || settings.ButtonImageURL.isEmpty()) {
        form.markup(u"https://");
        form.markup(button.imageHost);
        form.markup(button.imagePath);
    } else {
        form.text(settings.ButtonImageURL);
    }
    form.markup(u"\" border=\"0\" name=\"submit\" alt=\"");
    form.markup(button.alt);
    form.markup(u"\">");
}

} // namespace

QString BuildButtonForm(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const PaymentMoney money(settings, locale);
    const PaymentButton& button = paymentButtonFor(item);
    FormWriter form(settings, button.command, ExpectedFormSize);
    form.hidden(u"business", settings.eMail);
    form.hidden(u"item_name", item.ItemName);
    form.hiddenIfPresent(u"item_number", item.ItemID);
    writePrice(form, item, button.price, money);
    form.hiddenIfPresent(u"currency_code", money.currencyCode());
    if (button.carriesShipping)
        writeShipping(form, item, money);
    form.hiddenIfPresent(u"image_url", settings.StoreLogo);
    form.hiddenIfPresent(u"return", settings.PurchaseSuccessURL);
    form.hiddenIfPresent(u"cancel_return", settings.PurchaseCancelURL);
    if (button.carriesShoppingUrl)
        form.hiddenIfPresent(u"shopping_url", settings.ShoppingURL);
    if (button.carriesNote && item.Note == 1)
        form.hidden(u"cn", item.NoteTitle);
    else
        form.markup(u"<input type=\"hidden\" name=\"no_note\" value=\"1\">");
    if (button.carriesOptions && item.Option1.Active == 1)
        writeOptionsTable(form, item);
    writeSubmitButton(form, button, settings);
    if (button.addsToCart)
        form.markup(u"<input type=\"hidden\" name=\"add\" value=\"1\">");
    form.markup(u"</form>");
    return form.finish();
}

} // namespace velmora
