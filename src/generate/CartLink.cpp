#include "generate/CartLink.h"

namespace velmora {
QString BuildCartLink(const CartItem&, const MerchantSettings&) { return {}; } // STUB
} // namespace velmora
