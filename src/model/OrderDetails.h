#pragma once

#include "model/CartItem.h"

#include <QLocale>
#include <QStringList>

#include <optional>

namespace velmora {

// The values that shape an order beyond its price: the quantity the buyer chooses, a tax rate, a handling charge and
// a weight; and the prices of option set 1's values. Each reading takes the text as the money rule reads it, in the
// locale or the payment page's notation.

// The tax rate as the payment service takes it: "." and no trailing zeros ("8.25", "19"); none when the text is
// no rate from 0.001 to 100 with at most three decimals.
std::optional<QString> taxRateText(QStringView text, const QLocale& locale);
// The weight likewise: above zero, at most two decimals.
std::optional<QString> weightText(QStringView text, const QLocale& locale);
// The most the buyer may choose, 1 to 100; none for any other text.
std::optional<int> maxQuantity(QStringView text);

// Whether option set 1 sets the price: a drop-down in use with a price for any of its values.
bool hasPricedOptions(const CartItem& item);

// What is wrong with these values, each naming its field; empty when nothing is.
QStringList orderDetailProblems(const CartItem& item, const QLocale& locale);

} // namespace velmora
