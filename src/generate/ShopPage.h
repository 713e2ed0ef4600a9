#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QList>
#include <QLocale>

namespace velmora {

// Complete HTML documents that show items for sale with their buttons, the View Cart button at the top. Nothing is
// loaded from elsewhere but the payment service's button images. The locale is the one the items' money texts were
// typed in, and the page's language. A character no page may hold shows as U+FFFD, in the text and in the forms.

// One item as the merchant's buyers would see it, under a banner saying whether its buttons take real money, with
// its cart link when the item allows one.
QString BuildPreviewPage(const CartItem& item, const MerchantSettings& settings, const QLocale& locale = QLocale());
// A shop page of the items in the order given; an empty title reads "Shop".
QString BuildCataloguePage(const QList<CartItem>& items, const MerchantSettings& settings,
                           const QString& title = QString(), const QLocale& locale = QLocale());

} // namespace velmora
