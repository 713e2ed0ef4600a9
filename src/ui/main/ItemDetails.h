#pragma once

#include "ui/kit/BuiltControls.h"

class QMainWindow;

namespace velmora {

// The item's values beyond the original layout, which stays as it is: the kind of button, a subscription's terms,
// option set 1's prices, the quantity, tax, handling, weight and advanced variables. They stand in a panel fixed at
// the window's right edge, always shown, so a merchant sees them beside the item's own fields. Builds it after the
// client, whose option values the price rows copy.
void buildItemDetails(QMainWindow& window, BuiltControls& built);

} // namespace velmora
