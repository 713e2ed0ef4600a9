#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QList>
#include <QLocale>
#include <QStringList>

namespace velmora {

// Complete HTML documents that show items for sale with their buttons, the View Cart button at the top where the
// buttons fill a cart. Nothing is loaded from elsewhere but the payment service's button images. The locale is the one
// the items' money texts were typed in, and the page's language. A character no page may hold shows as U+FFFD, in the
// text and in the forms.

// One item as the merchant's buyers would see it, under a banner saying whether its buttons take real money, with
// its cart link when the item allows one.
QString BuildPreviewPage(const CartItem& item, const MerchantSettings& settings, const QLocale& locale = QLocale());
// A shop page of the items in the order given; an empty title reads "Shop".
QString BuildCataloguePage(const QList<CartItem>& items, const MerchantSettings& settings,
                           const QString& title = QString(), const QLocale& locale = QLocale());
// The same shop page with a "Buy now" button to links[i], the payment link of items[i], in place of each cart form.
// An item without a link (an empty one, or none given) shows no button: it cannot be bought from the page.
QString BuildPaymentLinkPage(const QList<CartItem>& items, const QStringList& links, const MerchantSettings& settings,
                             const QString& title = {}, const QLocale& locale = QLocale());

} // namespace velmora
