#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QLocale>

namespace velmora {

// A bare URL to the item's button: it adds the item to the cart, buys it at once or gives to the cause; it carries
// no option sets. A subscription has no link. The locale is the one the item's money texts were typed in.
QString BuildCartLink(const CartItem& item, const MerchantSettings& settings, const QLocale& locale = QLocale());

} // namespace velmora
