#pragma once

#include "model/ItemValues.h"

#include <QString>

#include <span>

namespace velmora {

// The control of the main window that holds an item value, by the value's id.
struct ItemControl {
    int id = -1;
    QString name; // the control's objectName
};

// One control for every item value, in the order of the item's values: opening an item assigns them in this
// order, and the order matters. Each check box and option button runs its handler as it is assigned, and set 1's
// check box, which takes set 2 down when it clears, must come before set 2's own check box puts it back.
std::span<const ItemControl> itemControls();

} // namespace velmora
