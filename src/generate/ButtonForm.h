#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QLocale>

namespace velmora {

// The complete "Add to cart" form, one line of HTML. The locale is the one the item's money texts were typed in.
QString BuildButtonForm(const CartItem& item, const MerchantSettings& settings, const QLocale& locale = QLocale());

} // namespace velmora
