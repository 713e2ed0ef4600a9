#pragma once

#include <QLocale>
#include <QString>

namespace velmora {

// Rewrites a price or shipping text to two decimals in the locale's notation.
// Empty stays empty; anything that is not one number in range becomes "0.00".
QString NormalizeMoneyText(const QString& text, const QLocale& locale = QLocale());

} // namespace velmora
