#pragma once

#include "model/MerchantSettings.h"

namespace velmora {

// A button, one line of HTML, that shows the buyer's cart on the payment page.
QString BuildViewCartForm(const MerchantSettings& settings);
// The same as a bare URL.
QString BuildViewCartLink(const MerchantSettings& settings);

} // namespace velmora
