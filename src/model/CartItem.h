#pragma once

#include <QString>

#include <array>
#include <optional>

namespace velmora {

// How the buyer gives an option's value: picked from a list, or typed.
enum class OptionSetKind { DropDown, TextBox };

struct OptionSet {
    int Active = 0; // check-box state: 0 clear, 1 set, 2 grayed
    QString Name;
    std::optional<OptionSetKind> Kind; // empty: neither kind button is selected
    std::array<QString, 10> Values;
};

// The one item the main window describes. Texts are kept exactly as typed.
struct CartItem {
    QString ItemName, ItemID, Price, Shipping1, Shipping2;
    int ShippingAddress = 0;
    int Note = 0;
    QString NoteTitle;
    OptionSet Option1, Option2;
};

} // namespace velmora
