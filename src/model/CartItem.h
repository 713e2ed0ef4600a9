#pragma once

#include "model/ButtonKind.h"

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
    // What each value costs, for a set whose choice sets the price; empty: the item's price applies.
    std::array<QString, 10> Prices{};
};

// What a subscription charges beyond its price: how often, how many times, and a trial before the regular payments.
// Periods count units: "D", "W", "M" or "Y" (days, weeks, months, years).
struct SubscriptionTerms {
    QString Period, Unit = QStringLiteral("M"), Times;
    QString TrialAmount, TrialPeriod, TrialUnit = QStringLiteral("M");

    // A trial is asked for once either of its texts is given.
    bool hasTrial() const { return !TrialAmount.isEmpty() || !TrialPeriod.isEmpty(); }
};

// The one item the main window describes. Texts are kept exactly as typed.
struct CartItem {
    QString ItemName, ItemID, Price, Shipping1, Shipping2;
    int ShippingAddress = 0;
    int Note = 0;
    QString NoteTitle;
    OptionSet Option1, Option2;
    ButtonKind Kind = ButtonKind::Cart;
    SubscriptionTerms Subscription{};
    // Whether the buyer may choose how many (a flag), and at most how many.
    int BuyerQuantity = 0;
    QString MaxQuantity{};
    // A tax as a percentage of the price, a handling charge, and a weight for the payment service's shipping rates.
    QString TaxRate{}, Handling{}, Weight{}, WeightUnit = QStringLiteral("lbs");
    // Further variables for the payment service, one "name=value" a line.
    QString Advanced{};
};

} // namespace velmora
