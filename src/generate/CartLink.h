#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

namespace velmora {

// A bare URL that adds the item to the cart; ignores the option sets.
QString BuildCartLink(const CartItem& item, const MerchantSettings& settings);

} // namespace velmora
