#pragma once

#include "model/CartItem.h"

#include <QLatin1StringView>
#include <QStringView>

#include <span>
#include <string_view>

namespace velmora {

// What a value of the item is: how the window offers it, how files hold it, and what the outputs make of it.
enum class ItemValueKind {
    Text,        // as typed
    Money,       // an amount as typed; the money rule reads it
    Flag,        // a check box's state: 0 clear, 1 set, 2 grayed
    KindButton,  // one button of an option set's pair of kinds: selected or not
    OptionValue, // one of an option set's ten values, as typed
    Choice,      // one of a few listed texts, exactly as listed
};

// The item's values. The first 36 are the fields of the classic item record, in its order.
namespace ItemValueId {
enum : int {
    ItemName,
    ItemID,
    Price,
    Shipping1,
    Shipping2,
    Option1Active,
    Option1Name,
    Option1DropDown,
    Option1TextBox,
    Option1Values, // ten ids
    Option2Active = Option1Values + 10,
    Option2Name,
    Option2DropDown,
    Option2TextBox,
    Option2Values, // ten ids
    ShippingAddress = Option2Values + 10,
    Note,
    NoteTitle,
    ButtonType = NoteTitle + 1,
    SubPeriod,
    SubUnit,
    SubTimes,
    TrialAmount,
    TrialPeriod,
    TrialUnit,
    Option1Prices, // ten ids
    BuyerQuantity = Option1Prices + 10,
    MaxQuantity,
    TaxRate,
    Handling,
    Weight,
    WeightUnit,
    Advanced,
    Count
};
} // namespace ItemValueId

inline constexpr int ClassicFieldCount = 36;

// One value of the item, everything about it that more than one part of the program needs. The other parts add
// their own columns (the window's control, say) keyed by the id.
struct ItemValue {
    int id;
    ItemValueKind kind;
    QLatin1StringView label; // how messages and screen readers name it
    // Where an item file holds it: a field of the classic record, or, for a value the classic record has no room
    // for, its own line under this key (see isExtensionKey). A key that starts with "x." marks a value that
    // readers which do not know it may pass over; any other changes what the item is.
    int classicField;
    QLatin1StringView extensionKey;
    // Where the settings store keeps a classic value for the window, as earlier versions did. The others are kept
    // under their extension key in "Settings", and leave these empty.
    QLatin1StringView storeSection;
    QLatin1StringView storeKey;
    // Its text until something gives it one: a text as it stands, a flag's state or a kind button's "1" or "0".
    QLatin1StringView defaultText;
    // Puts a value the item holds as other than text (a flag, a kind button, the kind of button), given as its
    // text, into the item; none for a text, which textOf reaches.
    void (*apply)(CartItem& item, QStringView text);
    // The item's own text for the value, for what treats every text alike (a page's safety, say); none for a
    // value the item holds as other than text.
    QString* (*textOf)(CartItem& item) = nullptr;
    // A choice's texts; a file holding any other text for it is damaged.
    std::span<const QLatin1StringView> choices{};

    constexpr bool isClassic() const { return classicField >= 0; }
    // Puts the value, given as its text, into the item.
    void putInto(CartItem& item, QStringView text) const {
        if (textOf)
            *textOf(item) = text.toString();
        else
            apply(item, text);
    }
    bool offers(QStringView text) const;
};

// An extension key is a lowercase letter, then lowercase letters, digits, "_" and ".".
constexpr bool isExtensionKey(std::string_view key) {
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    if (key.empty() || !lower(key.front()))
        return false;
    for (const char c : key) {
        if (!lower(c) && !(c >= '0' && c <= '9') && c != '_' && c != '.')
            return false;
    }
    return true;
}

// Every value of the item, in the order an item is assigned to the window: a set's check box before its other
// values, set 1's before set 2's, a kind's Drop Down Menu button before its Text Box.
std::span<const ItemValue> itemValues();
const ItemValue& itemValue(int id);

} // namespace velmora
