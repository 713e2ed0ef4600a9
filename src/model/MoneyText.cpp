#include "model/MoneyText.h"

#include <limits>
#include <optional>

namespace velmora {
namespace {

// Money is a signed 64-bit count of ten-thousandths: exact, and never a float.
constexpr int FractionDigits = 4;
constexpr quint64 UnitsPerWhole = 10'000;
constexpr quint64 LargestPositive = std::numeric_limits<qint64>::max();
constexpr quint64 LargestNegative = LargestPositive + 1;

bool takePrefix(QStringView& text, QStringView token) {
    if (token.isEmpty() || !text.startsWith(token))
        return false;
    text = text.sliced(token.size());
    return true;
}

bool takeSuffix(QStringView& text, QStringView token) {
    if (token.isEmpty() || !text.endsWith(token))
        return false;
    text.chop(token.size());
    return true;
}

// The locale's signs, and the ASCII ones people type anyway (some locales use U+2212).
std::optional<bool> takeNegativeSign(QStringView& text, const QLocale& locale) {
    if (takePrefix(text, locale.negativeSign()) || takePrefix(text, u"-"))
        return true;
    if (takePrefix(text, locale.positiveSign()) || takePrefix(text, u"+"))
        return false;
    return std::nullopt;
}

// "$5", "$ 5", "-$5", "$-5", "5 €": one symbol, leading or trailing.
void takeCurrencySymbol(QStringView& text, const QLocale& locale) {
    const QString symbol = locale.currencySymbol();
    if (takePrefix(text, symbol) || takeSuffix(text, symbol))
        text = text.trimmed();
}

// The integer digits, grouped as the locale groups them; Qt knows every locale's grouping.
std::optional<quint64> readWholeUnits(QStringView whole, const QLocale& locale) {
    if (whole.isEmpty())
        return 0;
    // Qt would also take blanks and signs here, which belong only around the number.
    if (!whole.front().isDigit() || !whole.back().isDigit())
        return std::nullopt;
    bool ok = false;
    const qulonglong value = locale.toULongLong(whole, &ok);
    if (!ok || value > LargestNegative / UnitsPerWhole)
        return std::nullopt;
    return value * UnitsPerWhole;
}

// Four decimals kept; the rest rounds to the nearest ten-thousandth, a tie to the even one.
std::optional<quint64> readFractionUnits(QStringView fraction, bool& roundUp) {
    quint64 units = 0;
    int firstDropped = 0;
    bool restNonZero = false;
    for (qsizetype i = 0; i < fraction.size(); ++i) {
        if (!fraction[i].isDigit())
            return std::nullopt;
        const int digit = fraction[i].digitValue();
        if (i < FractionDigits)
            units = units * 10 + digit;
        else if (i == FractionDigits)
            firstDropped = digit;
        else
            restNonZero = restNonZero || digit != 0;
    }
    for (qsizetype i = fraction.size(); i < FractionDigits; ++i)
        units *= 10;
    roundUp = firstDropped > 5 || (firstDropped == 5 && (restNonZero || units % 2 != 0));
    return units;
}

std::optional<qint64> readAmount(QStringView number, bool negative, const QLocale& locale) {
    const QString decimalPoint = locale.decimalPoint();
    const qsizetype point = number.indexOf(decimalPoint);
    const QStringView whole = point < 0 ? number : number.first(point);
    const QStringView fraction = point < 0 ? QStringView() : number.sliced(point + decimalPoint.size());
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    const std::optional<quint64> wholeUnits = readWholeUnits(whole, locale);
    bool roundUp = false;
    const std::optional<quint64> fractionUnits = readFractionUnits(fraction, roundUp);
    if (!wholeUnits || !fractionUnits)
        return std::nullopt;

    const quint64 units = *wholeUnits + *fractionUnits + (roundUp ? 1 : 0);
    if (units > (negative ? LargestNegative : LargestPositive))
        return std::nullopt;
    return negative ? static_cast<qint64>(0 - units) : static_cast<qint64>(units);
}

std::optional<qint64> parseMoney(QStringView text, const QLocale& locale) {
    text = text.trimmed();
    std::optional<bool> negative = takeNegativeSign(text, locale);
    takeCurrencySymbol(text, locale);
    if (!negative)
        negative = takeNegativeSign(text, locale);
    return readAmount(text, negative.value_or(false), locale);
}

// "0.00": no grouping, at least one integer digit, hundredths rounded half away from zero.
QString formatMoney(qint64 value, const QLocale& locale) {
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    const quint64 hundredths = (magnitude + 50) / 100;
    // A tiny negative amount shows as "0.00", not as a negative zero.
    const QString sign = value < 0 && hundredths != 0 ? locale.negativeSign() : QString();
    return sign + QString::number(hundredths / 100) + locale.decimalPoint() +
           QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString NormalizeMoneyText(const QString& text, const QLocale& locale) {
    if (text.isEmpty())
        return text;
    return formatMoney(parseMoney(text, locale).value_or(0), locale);
}

} // namespace velmora
