#include "generate/CartLink.h"

#include "generate/LinkQuery.h"
#include "generate/PaymentButton.h"
#include "generate/PaymentHost.h"
#include "generate/PaymentMoney.h"

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
    link.parameterIfPresent(u"currency_code", money.currencyCode().toString());
    if (button.carriesShipping) {
        link.parameterIfPresent(u"shipping", money.amount(item.Shipping1));
        link.parameterIfPresent(u"shipping2", money.amount(item.Shipping2));
        if (item.ShippingAddress == 0)
            link.flag(u"no_shipping");
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
    return link.finish();
}

} // namespace velmora
