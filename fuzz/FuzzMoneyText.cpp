// The money reading, the money rule and the payment page's notation, on any text under locales that write numbers
// differently: another decimal sign, blanks, points or apostrophes for grouping, a minus that is not ASCII, bidi
// marks in the signs, native digits, lakh grouping, a currency symbol of their own.
#include "FuzzCheck.h"

#include "model/MoneyText.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

using velmora::NormalizeMoneyText;
using velmora::paymentAmountText;
using namespace Qt::StringLiterals;

namespace {

const std::array<QLocale, 12> Locales = {
    QLocale::c(),
    QLocale(QLocale::English, QLocale::UnitedStates),
    QLocale(QLocale::German, QLocale::Germany),
    QLocale(QLocale::French, QLocale::France),
    QLocale(QLocale::German, QLocale::Switzerland),
    QLocale(QLocale::Swedish, QLocale::Sweden),
    QLocale(QLocale::Hindi, QLocale::India),
    QLocale(QLocale::Arabic, QLocale::Egypt),
    QLocale(QLocale::Persian, QLocale::Iran),
    QLocale(QLocale::German, QLocale::Austria),
    QLocale(QLocale::Spanish, QLocale::Spain),
    QLocale(QLocale::Japanese, QLocale::Japan),
};

// The first byte picks the locale and whether the rest is UTF-8 or raw UTF-16 (which reaches lone surrogates).
QString typedText(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    if (data[0] & 0x80)
        return QString(reinterpret_cast<const QChar*>(bytes + 1), qsizetype((size - 1) / 2));
    return QString::fromUtf8(bytes + 1, qsizetype(size - 1));
}

bool isAsciiDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// "0.00" in the locale's own signs: no grouping, at least one integer digit, exactly two decimals.
bool hasMoneyShape(QStringView text, const QLocale& locale) {
    if (text.startsWith(locale.negativeSign()))
        text = text.sliced(locale.negativeSign().size());
    const qsizetype point = text.indexOf(locale.decimalPoint());
    if (point < 0)
        return false;
    const QStringView decimals = text.sliced(point + locale.decimalPoint().size());
    return isAsciiDigits(text.first(point)) && decimals.size() == 2 && isAsciiDigits(decimals);
}

// The window's "0.00" with ASCII signs, as a count of hundredths.
qint64 hundredths(QString normalized, const QLocale& locale) {
    normalized.replace(locale.negativeSign(), u"-"_s).remove(locale.decimalPoint());
    return normalized.toLongLong();
}

// What the payment notation writes for a number it read: no grouping, no leading zero, no negative zero, and two
// decimals or none.
bool hasPaymentShape(const QString& text, bool withCents) {
    static const QRegularExpression cents(u"^-?(0|[1-9][0-9]*)\\.[0-9]{2}$"_s);
    static const QRegularExpression whole(u"^-?(0|[1-9][0-9]*)$"_s);
    const bool negativeZero = text == u"-0" || text == u"-0.00";
    return (withCents ? cents : whole).match(text).hasMatch() && !negativeZero;
}

// A text the payment notation rewrote holds the number the money rule reads, at the payment page's precision.
void checkPaymentNotation(const QString& text, const QLocale& locale, bool withCents) {
    const QString payment = paymentAmountText(text, locale, withCents);
    if (payment == text)
        return;
    const QString normalized = NormalizeMoneyText(text, locale);
    const auto details = [&] {
        return u"locale %1, %2, text %3, payment %4, window %5"_s.arg(
            locale.name(), withCents ? u"cents"_s : u"whole"_s, shownText(text), shownText(payment),
            shownText(normalized));
    };
    FUZZ_CHECK(hasPaymentShape(payment, withCents), details());
    FUZZ_CHECK(paymentAmountText(payment, locale, withCents) == payment, details());
    const qint64 read = hundredths(normalized, locale);
    if (withCents)
        FUZZ_CHECK(hundredths(payment, QLocale::c()) == read, details());
    else
        FUZZ_CHECK(std::abs(payment.toLongLong() * 100 - read) <= 50, details());
}

// The reading says which currency it saw, and a currency put before a number it read takes nothing away from it.
void checkReading(const QString& text, const QLocale& locale) {
    const velmora::MoneyReading reading = velmora::readMoneyText(text, locale);
    const auto details = [&] {
        return u"locale %1, text %2, currency %3"_s.arg(locale.name(), shownText(text), shownText(reading.currency));
    };
    FUZZ_CHECK(reading.currency.isEmpty() == reading.currencyCodes.isEmpty(), details());
    // Bidi marks are invisible, and the reading passes over them wherever they stand: "U<ALM>SD" is USD.
    QString visible = text;
    visible.removeIf([](QChar c) { return c == u'\u061C' || c == u'\u200E' || c == u'\u200F'; });
    FUZZ_CHECK(visible.contains(reading.currency), details());
    if (reading.value && reading.currency.isEmpty())
        FUZZ_CHECK(velmora::readMoneyText(u"$ "_s + text, locale).value == reading.value, details());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QLocale& locale = Locales[(data[0] & 0x7F) % Locales.size()];
    const bool withCents = (data[0] & 0x7F) / Locales.size() % 2 == 0;
    const QString text = typedText(data, size);
    checkReading(text, locale);
    checkPaymentNotation(text, locale, withCents);
    const QString result = NormalizeMoneyText(text, locale);
    const auto details = [&] {
        return u"locale %1, text %2, result %3"_s.arg(locale.name(), shownText(text), shownText(result));
    };

    if (text.isEmpty()) {
        FUZZ_CHECK(result.isEmpty(), details());
        return 0;
    }
    FUZZ_CHECK(hasMoneyShape(result, locale), details());
    // Leaving the field twice must not change the amount again.
    FUZZ_CHECK(NormalizeMoneyText(result, locale) == result, details());
    return 0;
}
