#pragma once

#include "model/ItemValues.h"

#include <QString>

#include <variant>

namespace velmora {

// What a value of the item or of the settings is, whichever format holds it; each format has its own text forms.
enum class ValueKind {
    Text,     // as typed
    CheckBox, // a check-box state: 0 clear, 1 set, 2 grayed
    Boolean,  // yes or no: a flag, or whether an option set is of a kind
};

// A value held as its kind says, in the same order: the text, the check-box state, or the boolean.
using StoredValue = std::variant<QString, int, bool>;

inline ValueKind kindOf(const StoredValue& value) {
    return ValueKind(value.index());
}

// How an item value is held: its text for texts and amounts, a state for a flag, a yes or no for a kind button.
constexpr ValueKind storedKind(ItemValueKind kind) {
    switch (kind) {
    case ItemValueKind::Flag:
        return ValueKind::CheckBox;
    case ItemValueKind::KindButton:
        return ValueKind::Boolean;
    default:
        return ValueKind::Text;
    }
}

} // namespace velmora
