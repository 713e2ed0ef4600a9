#pragma once

#include "store/ItemRecord.h"
#include "store/SettingKeys.h"

#include <QLatin1StringView>

#include <array>
#include <span>

namespace velmora {

// A control of the main window that holds one value of the item, and where that value goes: its field in an item
// file (ItemFieldIndex) and its key in the store (WindowStateKey).
struct ItemControl {
    QLatin1StringView name; // the control's objectName
    ValueKind kind;
    int field;
    int key;
};

// Every control of the item, in item-file order: opening an item assigns them in this order, and the order
// matters. Each check box and option button runs its handler as it is assigned, and set 1's check box, which
// takes set 2 down when it clears, must come before set 2's own check box puts it back.
std::span<const ItemControl, ItemFieldCount> itemControls();

// The same controls in the order of the store's keys, the order the window is restored and saved in.
std::span<const ItemControl* const, windowStateKeyCount> itemControlsInStoreOrder();

} // namespace velmora
