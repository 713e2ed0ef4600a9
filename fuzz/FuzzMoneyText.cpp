// The money rule on any text under locales that write numbers differently: another decimal sign, blanks or
// apostrophes for grouping, a minus that is not ASCII, native digits, lakh grouping.
#include "FuzzCheck.h"

#include "model/MoneyText.h"

#include <QLocale>
#include <QRegularExpression>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QLocale& locale = Locales[(data[0] & 0x7F) % Locales.size()];
    const QString text = typedText(data, size);
    const QString result = NormalizeMoneyText(text, locale);
    const QString details = u"locale %1, text %2, result %3"_s.arg(locale.name(), shownText(text), shownText(result));

    if (text.isEmpty()) {
        FUZZ_CHECK(result.isEmpty(), details);
        return 0;
    }
    // "0.00" in the locale's own signs: no grouping, at least one integer digit, exactly two decimals.
    static thread_local QRegularExpression shape;
    const QString pattern = u"^(%1)?[0-9]+%2[0-9]{2}$"_s.arg(QRegularExpression::escape(locale.negativeSign()),
                                                               QRegularExpression::escape(locale.decimalPoint()));
    if (shape.pattern() != pattern)
        shape.setPattern(pattern);
    FUZZ_CHECK(shape.match(result).hasMatch(), details);
    // Leaving the field twice must not change the amount again.
    FUZZ_CHECK(NormalizeMoneyText(result, locale) == result, details);
    return 0;
}
