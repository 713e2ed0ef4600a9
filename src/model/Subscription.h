#pragma once

#include "model/CartItem.h"

#include <QLocale>
#include <QStringList>

namespace velmora {

// The periods the payment service takes for a subscription, by unit: "D" 1 to 90 days, "W" 1 to 52 weeks, "M" 1 to
// 24 months, "Y" 1 to 5 years. 0 for a unit it does not know.
int longestPeriod(QStringView unit);

// What keeps the item from being a subscription the payment service takes, each naming the field and what it
// needs; empty when nothing does. The price is read in the locale, as the money rule reads it.
QStringList subscriptionProblems(const CartItem& item, const QLocale& locale);

} // namespace velmora
