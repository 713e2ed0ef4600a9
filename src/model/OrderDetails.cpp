#include "model/OrderDetails.h"

#include "model/MoneyText.h"

#include <limits>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;

constexpr qint64 UnitsPerWhole = 10'000; // the money rule's ten-thousandths

// The number in "." notation without trailing zeros, from ten-thousandths.
QString plainNumber(qint64 units) {
    QString text = QString::number(units / UnitsPerWhole);
    if (const qint64 fraction = units % UnitsPerWhole; fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return text;
}

// A positive number of at most `decimals` decimals, up to `largest` whole units.
std::optional<QString> boundedNumber(QStringView text, const QLocale& locale, qint64 smallest, qint64 largest,
                                     int decimals) {
    const MoneyReading reading = readMoneyText(text, locale);
    qint64 step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    if (!reading.value || !reading.currency.isEmpty() || *reading.value < smallest ||
        *reading.value > largest * UnitsPerWhole || *reading.value % step != 0)
        return std::nullopt;
    return plainNumber(*reading.value);
}

QStringList pricedOptionProblems(const CartItem& item, const QLocale& locale) {
    if (!hasPricedOptions(item))
        return {};
    const OptionSet& set = item.Option1;
    QStringList unpriced, problems;
    for (std::size_t i = 0; i < set.Values.size(); ++i) {
        if (set.Values[i].isEmpty())
            continue;
        if (set.Prices[i].isEmpty()) {
            unpriced << u"\"%1\""_s.arg(set.Values[i]);
            continue;
        }
        const std::optional<qint64> price = readMoneyText(set.Prices[i], locale).value;
        if (!price || *price < 0)
            problems << u"Option set 1: the price of \"%1\" is no amount"_s.arg(set.Values[i]);
    }
    if (!unpriced.isEmpty())
        problems.prepend(
            u"Option set 1: give every value a price, or none; these have none: %1"_s.arg(unpriced.join(u", "_s)));
    return problems;
}

} // namespace

std::optional<QString> taxRateText(QStringView text, const QLocale& locale) {
    return boundedNumber(text, locale, 10, 100, 3);
}

std::optional<QString> weightText(QStringView text, const QLocale& locale) {
    return boundedNumber(text, locale, 1, std::numeric_limits<qint64>::max() / UnitsPerWhole, 2);
}

std::optional<int> maxQuantity(QStringView text) {
    bool ok = false;
    const QStringView trimmed = text.trimmed();
    const int count = trimmed.toInt(&ok);
    if (!ok || trimmed.isEmpty() || !trimmed.front().isDigit() || count < 1 || count > 100)
        return std::nullopt;
    return count;
}

bool hasPricedOptions(const CartItem& item) {
    const OptionSet& set = item.Option1;
    if (set.Active != 1 || set.Kind != OptionSetKind::DropDown)
        return false;
    for (std::size_t i = 0; i < set.Values.size(); ++i) {
        if (!set.Values[i].isEmpty() && !set.Prices[i].isEmpty())
            return true;
    }
    return false;
}

QStringList orderDetailProblems(const CartItem& item, const QLocale& locale) {
    QStringList problems = pricedOptionProblems(item, locale);
    if (!item.MaxQuantity.isEmpty() && !maxQuantity(item.MaxQuantity))
        problems << u"Most a buyer may choose: give from 1 to 100"_s;
    if (!item.TaxRate.isEmpty() && !taxRateText(item.TaxRate, locale))
        problems << u"Tax rate: give a percentage from 0.001 to 100 with at most three decimals"_s;
    if (!item.Handling.isEmpty()) {
        const std::optional<qint64> handling = readMoneyText(item.Handling, locale).value;
        if (!handling || *handling < 0)
            problems << u"Handling: give an amount of zero or more"_s;
    }
    if (!item.Weight.isEmpty() && !weightText(item.Weight, locale))
        problems << u"Weight: give a weight above zero with at most two decimals"_s;
    if (item.WeightUnit != u"lbs" && item.WeightUnit != u"kgs")
        problems << u"Weight unit: lbs or kgs, not \"%1\""_s.arg(item.WeightUnit);
    return problems;
}

} // namespace velmora
