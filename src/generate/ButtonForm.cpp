#include "generate/ButtonForm.h"

namespace velmora {
QString BuildButtonForm(const CartItem&, const MerchantSettings&) { return {}; } // STUB
} // namespace velmora
