#include "generate/ButtonForm.h"

#include "generate/FormWriter.h"
#include "generate/PaymentButton.h"
#include "generate/PaymentMoney.h"
#include "model/AdvancedVariables.h"
#include "model/OrderDetails.h"

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

// With prices, each choice shows what it costs in the buyer's terms ("Large - 12.50 EUR"); its value stays bare.
void writeDropDownCell(FormWriter& form, const OptionSet& set, OptionFieldNames fields, const PaymentMoney* priced) {
    form.markup(u"<td><select name=\"");
    form.markup(fields.value);
    form.markup(u"\">");
    for (std::size_t i = 0; i < set.Values.size(); ++i) {
        const QString& value = set.Values[i];
        if (value.isEmpty())
            continue;
        form.markup(u"<option value=\"");
        form.text(value);
        form.markup(u"\">");
        form.text(value);
        if (priced) {
            form.markup(u" - ");
            form.text(priced->shownAmount(set.Prices[i]));
            if (!priced->currencyCode().isEmpty()) {
                form.markup(u" ");
                form.markup(priced->currencyCode());
            }
        }
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
void writeOptionRow(FormWriter& form, const OptionSet& set, OptionFieldNames fields,
                    const PaymentMoney* priced = nullptr) {
    if (!set.Kind)
        return;
    form.markup(u"<tr><td>");
    form.hidden(fields.name, set.Name);
    form.text(set.Name);
    form.markup(u"</td>");
    if (*set.Kind == OptionSetKind::DropDown)
        writeDropDownCell(form, set, fields, priced);
    else
        writeTextCell(form, fields);
}

void writeOptionsTable(FormWriter& form, const CartItem& item, const PaymentMoney* priced) {
    form.markup(u"<table>");
    writeOptionRow(form, item.Option1, Option1Fields, priced);
    if (item.Option2.Active == 1)
        writeOptionRow(form, item.Option2, Option2Fields);
    form.markup(u"</table>");
}

// The price each of set 1's choices sets, the n-th non-empty value as the n-th pair.
void writeOptionPrices(FormWriter& form, const OptionSet& set, const PaymentMoney& money) {
    form.markup(u"<input type=\"hidden\" name=\"option_index\" value=\"0\">");
    int n = 0;
    for (std::size_t i = 0; i < set.Values.size(); ++i) {
        if (set.Values[i].isEmpty())
            continue;
        const QString number = QString::number(n++);
        form.hidden(QStringLiteral("option_select") + number, set.Values[i]);
        form.hidden(QStringLiteral("option_amount") + number, money.amount(set.Prices[i]));
    }
}

// Tax, handling and weight, each only when given.
void writeOrderDetails(FormWriter& form, const CartItem& item, const PaymentMoney& money, const QLocale& locale) {
    form.hiddenIfPresent(u"handling", money.amount(item.Handling));
    form.hiddenIfPresent(u"tax_rate", taxRateText(item.TaxRate, locale).value_or(item.TaxRate));
    if (!item.Weight.isEmpty()) {
        form.hidden(u"weight", weightText(item.Weight, locale).value_or(item.Weight));
        form.hidden(u"weight_unit", item.WeightUnit);
    }
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
    const bool priced = optionsSetThePrice(item);
    if (!priced)
        writePrice(form, item, button.price, money);
    if (button.asksQuantity && item.BuyerQuantity == 1)
        form.markup(u"<input type=\"hidden\" name=\"undefined_quantity\" value=\"1\">");
    form.hiddenIfPresent(u"currency_code", money.currencyCode());
    if (button.sellsGoods) {
        writeShipping(form, item, money);
        writeOrderDetails(form, item, money, locale);
    }
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
        writeOptionsTable(form, item, priced ? &money : nullptr);
    if (priced)
        writeOptionPrices(form, item.Option1, money);
    for (const AdvancedVariable& variable : readAdvancedVariables(item.Advanced).variables)
        form.hidden(variable.name, variable.value);
    writeSubmitButton(form, button, settings);
    if (button.addsToCart)
        form.markup(u"<input type=\"hidden\" name=\"add\" value=\"1\">");
    form.markup(u"</form>");
    return form.finish();
}

} // namespace velmora
