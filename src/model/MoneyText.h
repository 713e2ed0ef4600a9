#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmora {

// What a price or shipping text says, read the way merchants type money.
struct MoneyReading {
    // In ten-thousandths; none when the text holds no number, or one beyond a 64-bit count.
    std::optional<qint64> value;
    // The currency symbol or code before or after the number, as typed; empty when there is none.
    QString currency;
    // The cart currencies (and the locale's own) the symbol or code may stand for: "$" is many dollars.
    QStringList currencyCodes;
};

// One number, read in the locale's notation (grouped or not) or, when that finds none, in the payment page's
// ("12.50" is twelve and a half in every locale); with an optional sign or parentheses for a negative amount, and
// a currency symbol or code before or after it.
MoneyReading readMoneyText(QStringView text, const QLocale& locale);

// Rewrites a price or shipping text to two decimals in the locale's notation.
// Empty stays empty; anything that is not one number in range becomes "0.00".
QString NormalizeMoneyText(const QString& text, const QLocale& locale = QLocale());

// Whether the text is an amount as the payment page reads it: "-", ASCII digits, and with cents optionally "." and
// one or two digits.
bool isPaymentNotation(QStringView text, bool withCents);

// A price or shipping text typed in the locale, as the payment page reads amounts: "-", ASCII digits, "." and two
// decimals, or whole units only for a currency without cents. A text already written so is left as it stands,
// and so is one that holds no number, for the payment page to refuse rather than to charge an amount made up here.
QString paymentAmountText(const QString& text, const QLocale& locale, bool withCents = true);
// The same amount written out in full ("12.50" for "12.5"), as a buyer reads a price beside a choice.
QString shownPaymentAmountText(const QString& text, const QLocale& locale, bool withCents = true);

} // namespace velmora
