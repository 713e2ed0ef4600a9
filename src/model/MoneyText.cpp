#include "model/MoneyText.h"

#include "model/CartCurrency.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <limits>

namespace velmora {
namespace {

// Money is a signed 64-bit count of ten-thousandths: exact, and never a float.
constexpr int FractionDigits = 4;
constexpr quint64 UnitsPerWhole = 10'000;
constexpr quint64 LargestPositive = std::numeric_limits<qint64>::max();
constexpr quint64 LargestNegative = LargestPositive + 1;
constexpr quint64 LargestWhole = LargestNegative / UnitsPerWhole;

// The symbols merchants type for currencies the cart takes, and the cart currencies each may stand for.
struct CurrencySign {
    QStringView sign;
    QLatin1StringView codes;
};
constexpr std::array<CurrencySign, 4> CurrencySigns{{
    {u"$", QLatin1StringView("USD AUD CAD HKD MXN NZD SGD TWD")},
    {u"€", QLatin1StringView("EUR")},
    {u"£", QLatin1StringView("GBP")},
    {u"¥", QLatin1StringView("JPY CNY")},
}};

// Right-to-left locales put these invisible marks into their signs; a merchant cannot see, let alone type, them.
bool isBidiMark(QChar c) {
    return c == u'\u061C' || c == u'\u200E' || c == u'\u200F';
}

QString withoutBidiMarks(QString text) {
    text.removeIf(isBidiMark);
    return text;
}

// How a locale writes numbers and money, as far as reading them goes.
struct LocaleSigns {
    QString decimal, minus, plus, symbol, isoCode;
    QString grouping; // every character that may group digits
    QChar ownGroup;
    char16_t zero = u'0';    // the locale's own digits run from here
    char16_t altZero = u'0'; // Arabic and Persian writers use either set of Arabic-Indic digits
};

LocaleSigns signsOf(const QLocale& locale) {
    LocaleSigns signs{withoutBidiMarks(locale.decimalPoint()),
                      withoutBidiMarks(locale.negativeSign()),
                      withoutBidiMarks(locale.positiveSign()),
                      withoutBidiMarks(locale.currencySymbol()),
                      locale.currencySymbol(QLocale::CurrencyIsoCode),
                      {},
                      {}};
    // Besides the locale's own, what people group thousands with: "1.234,50" is written where the locale data says
    // otherwise, blanks of every width, and the Swiss apostrophe.
    signs.grouping = QStringLiteral(" \u00A0\u202F'");
    if (const QString ownGroup = withoutBidiMarks(locale.groupSeparator()); ownGroup.size() == 1) {
        signs.ownGroup = ownGroup.front();
        signs.grouping += signs.ownGroup;
    }
    if (signs.decimal == u",")
        signs.grouping += u'.';
    signs.grouping.remove(signs.decimal);
    if (const QString zero = locale.zeroDigit(); zero.size() == 1)
        signs.zero = signs.altZero = zero.front().unicode();
    if (signs.zero == u'\u0660')
        signs.altZero = u'\u06F0';
    else if (signs.zero == u'\u06F0')
        signs.altZero = u'\u0660';
    return signs;
}

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

bool takeToken(QStringView& text, QStringView token, bool atEnd) {
    return atEnd ? takeSuffix(text, token) : takePrefix(text, token);
}

// The locale's signs, and the ASCII ones people type anyway (some locales use U+2212, which is typed too).
bool takeSign(QStringView& text, const LocaleSigns& signs, bool& negative) {
    for (const QStringView minus : {QStringView(signs.minus), QStringView(u"-"), QStringView(u"\u2212")}) {
        if (takePrefix(text, minus)) {
            negative = true;
            return true;
        }
    }
    return takePrefix(text, signs.plus) || takePrefix(text, u"+");
}

QStringList currencyCodesOf(QStringView currency, const LocaleSigns& signs) {
    QStringList codes;
    if (currency == signs.symbol || currency.compare(signs.isoCode, Qt::CaseInsensitive) == 0)
        codes << signs.isoCode;
    for (const CurrencySign& sign : CurrencySigns) {
        if (currency == sign.sign)
            codes << QString(sign.codes).split(u' ');
    }
    if (const CartCurrency* cart = findCartCurrency(currency))
        codes << cart->code.toString();
    codes.removeDuplicates();
    codes.removeAll(QString());
    return codes;
}

// "$5", "5 €", "USD 5", "5usd": the locale's own symbol, a common one, or a code of three letters.
bool takeCurrency(QStringView& text, bool atEnd, const LocaleSigns& signs, MoneyReading& reading) {
    const QStringView before = text;
    bool taken = takeToken(text, signs.symbol, atEnd);
    for (const CurrencySign& sign : CurrencySigns)
        taken = taken || takeToken(text, sign.sign, atEnd);
    if (!taken && text.size() >= 3) {
        const QStringView code = atEnd ? text.last(3) : text.first(3);
        if (findCartCurrency(code) || code.compare(signs.isoCode, Qt::CaseInsensitive) == 0)
            taken = takeToken(text, code, atEnd);
    }
    if (!taken)
        return false;
    const QStringView currency =
        atEnd ? before.last(before.size() - text.size()) : before.first(before.size() - text.size());
    reading.currency = currency.toString();
    reading.currencyCodes = currencyCodesOf(currency, signs);
    text = text.trimmed();
    return true;
}

// What may stand between the digits of a notation.
struct Notation {
    QStringView decimal{};
    QStringView grouping{};
    QChar ownGroup{};
    char16_t zero = u'0';
    char16_t altZero = u'0';
    const QLocale* locale = nullptr; // for the sizes of its own grouping
};

int digitValue(QChar c, const Notation& notation) {
    for (const char16_t zero : {u'0', notation.zero, notation.altZero}) {
        if (char16_t(c.unicode() - zero) < 10)
            return c.unicode() - zero;
    }
    return -1;
}

using GroupSizes = QVarLengthArray<qsizetype, 8>;

// Thousands, whatever the locale: the first group of one to three digits, then groups of three.
bool groupsOfThree(const GroupSizes& sizes) {
    return sizes.front() <= 3 && std::all_of(sizes.begin() + 1, sizes.end(), [](qsizetype size) { return size == 3; });
}

// The locale's own grouping, read off a number it writes: India groups the last three digits, then pairs.
bool groupsAsTheLocaleDoes(const GroupSizes& sizes, const QLocale& locale) {
    const QStringList written = locale.toString(Q_INT64_C(123456789012345)).split(locale.groupSeparator());
    if (written.size() < 3)
        return false;
    const qsizetype last = written.back().size();
    const qsizetype inner = written[written.size() - 2].size();
    return sizes.back() == last && sizes.front() <= inner &&
           std::all_of(sizes.begin() + 1, sizes.end() - 1, [inner](qsizetype size) { return size == inner; });
}

// The integer digits, grouped or not; a group separator must stand where the grouping puts one.
std::optional<quint64> readWholeUnits(QStringView whole, const Notation& notation) {
    quint64 value = 0;
    QChar separator;
    GroupSizes sizes{0};
    for (const QChar c : whole) {
        if (const int digit = digitValue(c, notation); digit >= 0) {
            if (value > LargestWhole)
                return std::nullopt;
            value = value * 10 + digit;
            ++sizes.back();
        } else if (notation.grouping.contains(c) && (separator.isNull() || c == separator) && sizes.back() > 0) {
            separator = c;
            sizes.append(0);
        } else {
            return std::nullopt;
        }
    }
    if (value > LargestWhole)
        return std::nullopt;
    if (sizes.size() > 1) {
        // "0.500" is no way to write five hundred: the point means something else there.
        const bool leadingZero = digitValue(whole.front(), notation) == 0;
        const bool placed =
            groupsOfThree(sizes) || (separator == notation.ownGroup && groupsAsTheLocaleDoes(sizes, *notation.locale));
        if (leadingZero || sizes.back() == 0 || !placed)
            return std::nullopt;
    }
    return value * UnitsPerWhole;
}

// Four decimals kept; the rest rounds to the nearest ten-thousandth, a tie to the even one.
std::optional<quint64> readFractionUnits(QStringView fraction, const Notation& notation, bool& roundUp) {
    quint64 units = 0;
    int firstDropped = 0;
    bool restNonZero = false;
    for (qsizetype i = 0; i < fraction.size(); ++i) {
        const int digit = digitValue(fraction[i], notation);
        if (digit < 0)
            return std::nullopt;
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

std::optional<qint64> readNumber(QStringView number, bool negative, const Notation& notation) {
    const qsizetype point = number.indexOf(notation.decimal);
    const QStringView whole = point < 0 ? number : number.first(point);
    const QStringView fraction = point < 0 ? QStringView() : number.sliced(point + notation.decimal.size());
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    const std::optional<quint64> wholeUnits = readWholeUnits(whole, notation);
    bool roundUp = false;
    const std::optional<quint64> fractionUnits = readFractionUnits(fraction, notation, roundUp);
    if (!wholeUnits || !fractionUnits)
        return std::nullopt;

    const quint64 units = *wholeUnits + *fractionUnits + (roundUp ? 1 : 0);
    if (units > (negative ? LargestNegative : LargestPositive))
        return std::nullopt;
    return negative ? static_cast<qint64>(0 - units) : static_cast<qint64>(units);
}

// The locale's notation first; the payment page's only where that finds no number, so "1.234" stays a thousand
// in German while "12.50" is twelve and a half.
std::optional<qint64> readNumber(QStringView number, bool negative, const LocaleSigns& signs, const QLocale& locale) {
    const Notation local{signs.decimal, signs.grouping, signs.ownGroup, signs.zero, signs.altZero, &locale};
    if (const std::optional<qint64> value = readNumber(number, negative, local))
        return value;
    return readNumber(number, negative, Notation{.decimal = u"."});
}

// Branch-free, so the compiler can vectorise it: the generators run this over every amount they write.
bool isAsciiDigits(QStringView text) {
    char16_t notDigit = 0;
    for (const QChar c : text)
        notDigit |= char16_t(char16_t(c.unicode() - u'0') > 9);
    return !text.isEmpty() && notDigit == 0;
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

MoneyReading readMoneyText(QStringView text, const QLocale& locale) {
    const QString cleaned =
        std::any_of(text.begin(), text.end(), isBidiMark) ? withoutBidiMarks(text.toString()) : QString();
    QStringView rest = (cleaned.isNull() ? text : QStringView(cleaned)).trimmed();
    const LocaleSigns signs = signsOf(locale);
    MoneyReading reading;

    // Before the number, in any order: a sign or an opening parenthesis, and a currency. "- 5" is no number;
    // "$ 5" is.
    bool negative = false;
    bool signTaken = false;
    bool parenthesised = false;
    for (;;) {
        if (!signTaken && !parenthesised && takeSign(rest, signs, negative)) {
            signTaken = true;
        } else if (!signTaken && !parenthesised && takePrefix(rest, u"(")) {
            parenthesised = negative = true;
            rest = rest.trimmed();
        } else if (!reading.currency.isEmpty() || !takeCurrency(rest, false, signs, reading)) {
            break;
        }
    }
    // After it: a currency, and the parenthesis that closes the one before.
    bool closed = false;
    for (;;) {
        if (parenthesised && !closed && takeSuffix(rest, u")")) {
            closed = true;
            rest = rest.trimmed();
        } else if (!reading.currency.isEmpty() || !takeCurrency(rest, true, signs, reading)) {
            break;
        }
    }
    if (parenthesised == closed)
        reading.value = readNumber(rest, negative, signs, locale);
    return reading;
}

QString NormalizeMoneyText(const QString& text, const QLocale& locale) {
    if (text.isEmpty())
        return text;
    const qint64 value = readMoneyText(text, locale).value.value_or(0);
    return formatMoney(value, true, locale.negativeSign(), locale.decimalPoint());
}

QString paymentAmountText(const QString& text, const QLocale& locale, bool withCents) {
    if (isPaymentNotation(text, withCents))
        return text;
    return shownPaymentAmountText(text, locale, withCents);
}

QString shownPaymentAmountText(const QString& text, const QLocale& locale, bool withCents) {
    const std::optional<qint64> value = readMoneyText(text, locale).value;
    return value ? formatMoney(*value, withCents, QStringLiteral("-"), QStringLiteral(".")) : text;
}

} // namespace velmora
