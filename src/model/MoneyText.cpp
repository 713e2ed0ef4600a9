#include "model/MoneyText.h"

#include <algorithm>
#include <charconv>
#include <iterator>
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

// Branch-free, so the compiler can vectorise it: the generators run this over every amount they write.
bool isAsciiDigits(QStringView text) {
    char16_t notDigit = 0;
    for (const QChar c : text)
        notDigit |= char16_t(char16_t(c.unicode() - u'0') > 9);
    return !text.isEmpty() && notDigit == 0;
}

// "-", ASCII digits, and for a currency with cents optionally "." and one or two digits.
bool isPaymentNotation(QStringView text, bool withCents) {
    if (text.startsWith(u'-'))
        text = text.sliced(1);
    // With one or two decimals after it, a point is among the last three characters.
    const QStringView tail = text.last(std::min<qsizetype>(text.size(), 3));
    const qsizetype pointInTail = withCents ? tail.indexOf(u'.') : -1;
    if (pointInTail < 0)
        return isAsciiDigits(text);
    const qsizetype point = text.size() - tail.size() + pointInTail;
    const QStringView decimals = text.sliced(point + 1);
    return decimals.size() <= 2 && isAsciiDigits(decimals) && isAsciiDigits(text.first(point));
}

// No grouping, at least one integer digit, and two decimals or none, the last one rounded half away from zero.
// Written straight into one buffer: the generators format every amount a merchant typed the local way.
QString formatMoney(qint64 value, bool withCents, const QString& minus, const QString& point) {
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    const quint64 step = withCents ? UnitsPerWhole / 100 : UnitsPerWhole;
    const quint64 rounded = (magnitude + step / 2) / step;
    char digits[std::numeric_limits<quint64>::digits10 + 1];
    const char* digitsEnd =
        std::to_chars(std::begin(digits), std::end(digits), withCents ? rounded / 100 : rounded).ptr;

    QString money;
    money.reserve(minus.size() + (digitsEnd - digits) + point.size() + 2);
    // A tiny negative amount shows as zero, not as a negative zero.
    if (value < 0 && rounded != 0)
        money += minus;
    money += QLatin1StringView(digits, digitsEnd);
    if (withCents) {
        money += point;
        money += QLatin1Char(char('0' + rounded % 100 / 10));
        money += QLatin1Char(char('0' + rounded % 10));
    }
    return money;
}

} // namespace

QString NormalizeMoneyText(const QString& text, const QLocale& locale) {
    if (text.isEmpty())
        return text;
    return formatMoney(parseMoney(text, locale).value_or(0), true, locale.negativeSign(), locale.decimalPoint());
}

QString paymentAmountText(const QString& text, const QLocale& locale, bool withCents) {
    if (isPaymentNotation(text, withCents))
        return text;
    const std::optional<qint64> value = parseMoney(text, locale);
    return value ? formatMoney(*value, withCents, QStringLiteral("-"), QStringLiteral(".")) : text;
}

} // namespace velmora
