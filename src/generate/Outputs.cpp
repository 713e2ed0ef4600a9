#include "generate/Outputs.h"

#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/ItemProblems.h"
#include "generate/PaymentButton.h"
#include "generate/ShopPage.h"
#include "generate/ViewCart.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;

QString noLinkWithOptions(const CartItem& item) {
    if (paymentButtonFor(item).linkPath.isEmpty())
        return u"a subscription has no link; make a form for it instead"_s;
    if (item.Option1.Active != 1)
        return {};
    return u"its option set 1 is in use, and a link carries no options; make a form for it instead"_s;
}

QString makeForm(const OutputRequest& request) {
    return BuildButtonForm(request.items.front(), request.settings, request.locale);
}

QString makeLink(const OutputRequest& request) {
    return BuildCartLink(request.items.front(), request.settings, request.locale);
}

QString makeViewCartForm(const OutputRequest& request) {
    return BuildViewCartForm(request.settings);
}

QString makeViewCartLink(const OutputRequest& request) {
    return BuildViewCartLink(request.settings);
}

QString makePreview(const OutputRequest& request) {
    return BuildPreviewPage(request.items.front(), request.settings, request.locale);
}

QString makePage(const OutputRequest& request) {
    return BuildCataloguePage(request.items, request.settings, request.title, request.locale);
}

using enum OutputId;
using enum OutputTakes;
using enum MadeBy;

// clang-format off
const std::array<Output, 11> table{{
    {Form, EachItem, "form"_L1, "a form"_L1,
     "for each item file in the order given, its complete button form of the item's kind (Add to Cart, Buy Now, "
     "Donate or Subscribe), one line per item"_L1,
     "mnuMakeForm"_L1, "&Button / Form"_L1, "Ctrl+B"_L1, "cmdMakeForm"_L1, 0, false, nullptr, paymentProblems, makeForm, Velmora},
    {Link, EachItem, "link"_L1, "a link"_L1,
     "likewise its bare link; not for an item whose option set 1 is in use, nor for a subscription"_L1,
     "mnuMakeLink"_L1, "&Link"_L1, "Ctrl+L"_L1, "cmdMakeLink"_L1, 0, false, noLinkWithOptions, paymentProblems,
     makeLink, Velmora},
    {ViewCartForm, Settings, "view-cart-form"_L1, "a View Cart button"_L1,
     "the \"View Cart\" button form, one line; takes no item files"_L1,
     "mnuViewCartForm"_L1, "&View Cart Button"_L1, {}, {}, 1, false, nullptr, nullptr, makeViewCartForm, Velmora},
    {ViewCartLink, Settings, "view-cart-link"_L1, "a View Cart link"_L1,
     "the bare link that shows the buyer's cart, one line; takes no item files"_L1,
     "mnuViewCartLink"_L1, "View &Cart Link"_L1, {}, {}, 1, false, nullptr, nullptr, makeViewCartLink, Velmora},
    {Preview, EachItem, {}, "a preview"_L1, {},
     "mnuPreview"_L1, "Pre&view in Browser"_L1, "F5"_L1, {}, 2, true, nullptr, paymentProblems, makePreview, Velmora},
    {Page, AllItems, "page"_L1, "a page"_L1,
     "one complete HTML shop page of all the items, in the order given, each with its own kind of button, and a "
     "View Cart button at the top when any is an Add to Cart item; --title TEXT names it (\"Shop\" when not "
     "given); with --payment-links, a \"Buy now\" button to each item's payment link in its place and no View "
     "Cart"_L1,
     {}, {}, {}, {}, 0, false, nullptr, paymentProblems, makePage, Velmora},
    {Publish, EachItem, "publish"_L1, "a payment link"_L1,
     "publishes each item file in the order given as a PayPal payment link (made, or the one with its item ID "
     "updated) and prints the link, one line per item, an empty one where PayPal refused it"_L1,
     "mnuPublishLink"_L1, "&Publish as Payment Link"_L1, {}, {}, 3, false, nullptr, nullptr, nullptr, PaymentLinks},
    {Unpublish, EachItem, "unpublish"_L1, "a payment link's removal"_L1,
     "deletes the payment link of each item file's item ID, and prints the id of each link deleted, one line per "
     "item; --id ID deletes the link with that id instead"_L1,
     {}, {}, {}, {}, 0, false, nullptr, nullptr, nullptr, PaymentLinks},
    {Links, Settings, "links"_L1, "a list of payment links"_L1,
     "the account's payment links, one a line: id, product ID, name and link, separated by tabs"_L1,
     {}, {}, {}, {}, 0, false, nullptr, nullptr, nullptr, PaymentLinks},
    {LinkQrCode, EachItem, {}, "a payment link's QR code"_L1, {},
     "mnuLinkQrCode"_L1, "Payment Link &QR Code..."_L1, {}, {}, 3, false, nullptr, nullptr, nullptr, PaymentLinks},
    {LinkButton, EachItem, {}, "a payment link's button"_L1, {},
     "mnuLinkButton"_L1, "Payment Link Bu&tton"_L1, {}, {}, 3, false, nullptr, nullptr, nullptr, PaymentLinks},
}};
// clang-format on

} // namespace

std::span<const Output> outputs() {
    return table;
}

const Output& output(OutputId id) {
    return *std::ranges::find(table, id, &Output::id);
}

const Output* outputForVerb(QStringView verb) {
    const auto found =
        std::ranges::find_if(table, [verb](const Output& o) { return !o.verb.isEmpty() && o.verb == verb; });
    return found == table.end() ? nullptr : &*found;
}

QString refusalFor(const Output& output, const CartItem& item) {
    return output.refusal ? output.refusal(item) : QString();
}

QStringList problemsWith(const Output& output, const CartItem& item, const MerchantSettings& settings,
                         const QLocale& locale) {
    return output.problems ? output.problems(item, settings, locale) : QStringList();
}

} // namespace velmora
