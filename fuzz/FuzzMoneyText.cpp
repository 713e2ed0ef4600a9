// The money rule on any text under locales that write numbers differently: another decimal sign, blanks or
// apostrophes for grouping, a minus that is not ASCII, native digits, lakh grouping.
#include "FuzzCheck.h"

#include "model/MoneyText.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdint>

using velmora::NormalizeMoneyText;
using namespace Qt::StringLiterals;

namespace {

const std::array<QLocale, 9> Locales = {
    QLocale::c(),
    QLocale(QLocale::English, QLocale::UnitedStates),
    QLocale(QLocale::German, QLocale::Germany),
    QLocale(QLocale::French, QLocale::France),
    QLocale(QLocale::German, QLocale::Switzerland),
    QLocale(QLocale::Swedish, QLocale::Sweden),
    QLocale(QLocale::Hindi, QLocale::India),
    QLocale(QLocale::Arabic, QLocale::Egypt),
    QLocale(QLocale::Persian, QLocale::Iran),
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QLocale& locale = Locales[(data[0] & 0x7F) % Locales.size()];
    const QString text = typedText(data, size);
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
