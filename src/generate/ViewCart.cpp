#include "generate/ViewCart.h"

#include "generate/FormWriter.h"
#include "generate/LinkQuery.h"
#include "generate/PaymentButton.h"
#include "generate/PaymentHost.h"

namespace velmora {

QString BuildViewCartForm(const MerchantSettings& settings) {
    FormWriter form(settings, CartCommand, 512);
    form.hidden(u"business", settings.eMail);
    form.markup(u"<input type=\"hidden\" name=\"display\" value=\"1\">");
    form.hiddenIfPresent(u"shopping_url", settings.ShoppingURL);
    form.markup(u"<input type=\"image\" src=\"https://");
    form.markup(PaymentHost);
    form.markup(u"/en_US/i/btn/btn_viewcart_LG.gif\" border=\"0\" name=\"submit\" alt=\"View Cart\"></form>");
    return form.finish();
}

QString BuildViewCartLink(const MerchantSettings& settings) {
    LinkQuery link(paymentActionHost(settings), QLatin1StringView("/cgi-bin/webscr?cmd=_cart&display=1"));
    link.parameter(u"business", settings.eMail);
    link.parameterIfPresent(u"shopping_url", settings.ShoppingURL);
    return link.finish();
}

} // namespace velmora
