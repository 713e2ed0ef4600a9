#pragma once

#include <QLocale>
#include <QString>

namespace velmora {

// Rewrites a price or shipping text to two decimals in the locale's notation.
// Empty stays empty; anything that is not one number in range becomes "0.00".
QString NormalizeMoneyText(const QString& text, const QLocale& locale = QLocale());

// A price or shipping text typed in the locale, as the payment page reads amounts: "-", ASCII digits, "." and two
// decimals, or whole units only for a currency without cents. A text already written so is left as it stands,
// and so is one that holds no number, for the payment page to refuse rather than to charge an amount made up here.
QString paymentAmountText(const QString& text, const QLocale& locale, bool withCents = true);

} // namespace velmora
