#include "generate/CartLink.h"

#include "generate/LinkQuery.h"
#include "generate/PaymentButton.h"
#include "generate/PaymentHost.h"
#include "generate/PaymentMoney.h"
#include "model/AdvancedVariables.h"
#include "model/OrderDetails.h"

namespace velmora {

QString BuildCartLink(const CartItem& item, const MerchantSettings& settings, const QLocale& locale) {
    const PaymentMoney money(settings, locale);
    const PaymentButton& button = paymentButtonFor(item);
    LinkQuery link(paymentActionHost(settings), button.linkPath);
    link.parameter(u"business", settings.eMail);
    link.parameter(u"item_name", item.ItemName);
    link.parameterIfPresent(u"item_number", item.ItemID);
    if (button.price == PriceField::Amount)
        link.parameter(u"amount", money.amount(item.Price));
    else
        link.parameterIfPresent(u"amount", money.amount(item.Price));
    if (button.asksQuantity && item.BuyerQuantity == 1)
        link.flag(u"undefined_quantity");
    link.parameterIfPresent(u"currency_code", money.currencyCode().toString());
    if (button.sellsGoods) {
        link.parameterIfPresent(u"shipping", money.amount(item.Shipping1));
        link.parameterIfPresent(u"shipping2", money.amount(item.Shipping2));
        if (item.ShippingAddress == 0)
            link.flag(u"no_shipping");
        link.parameterIfPresent(u"handling", money.amount(item.Handling));
        link.parameterIfPresent(u"tax_rate", taxRateText(item.TaxRate, locale).value_or(item.TaxRate));
        if (!item.Weight.isEmpty()) {
            link.parameter(u"weight", weightText(item.Weight, locale).value_or(item.Weight));
            link.parameter(u"weight_unit", item.WeightUnit);
        }
    }
    if (button.carriesNote && item.Note == 1)
        link.parameter(u"cn", item.NoteTitle);
    else
        link.flag(u"no_note");
    link.parameterIfPresent(u"image_url", settings.StoreLogo);
    link.parameterIfPresent(u"return", settings.PurchaseSuccessURL);
    link.parameterIfPresent(u"cancel_return", settings.PurchaseCancelURL);
    if (button.carriesShoppingUrl)
        link.parameterIfPresent(u"shopping_url", settings.ShoppingURL);
    for (const AdvancedVariable& variable : readAdvancedVariables(item.Advanced).variables)
        link.parameter(variable.name, variable.value);
    return link.finish();
}

} // namespace velmora
