#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

namespace velmora {

// The complete "Add to cart" form, one line of HTML.
QString BuildButtonForm(const CartItem& item, const MerchantSettings& settings);

} // namespace velmora
