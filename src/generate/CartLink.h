#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QLocale>

namespace velmora {

// A bare URL that adds the item to the cart; ignores the option sets. The locale is the one the item's money texts
// were typed in.
QString BuildCartLink(const CartItem& item, const MerchantSettings& settings, const QLocale& locale = QLocale());

} // namespace velmora
