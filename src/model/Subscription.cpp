#include "model/Subscription.h"

#include "model/MoneyText.h"

#include <array>
#include <optional>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;

struct PeriodUnit {
    QLatin1StringView code;
    QLatin1StringView plural;
    int longest;
};

constexpr std::array<PeriodUnit, 4> Units{{
    {"D"_L1, "days"_L1, 90},
    {"W"_L1, "weeks"_L1, 52},
    {"M"_L1, "months"_L1, 24},
    {"Y"_L1, "years"_L1, 5},
}};

const PeriodUnit* unitOf(QStringView code) {
    for (const PeriodUnit& unit : Units) {
        if (code == unit.code)
            return &unit;
    }
    return nullptr;
}

// A count typed as digits alone, blanks around allowed.
std::optional<int> countIn(QStringView text) {
    bool ok = false;
    const QStringView trimmed = text.trimmed();
    const int count = trimmed.toInt(&ok);
    if (!ok || trimmed.isEmpty() || !trimmed.front().isDigit())
        return std::nullopt;
    return count;
}

// Why the period cannot be one the payment service takes; empty when it can.
QString periodProblem(QLatin1StringView field, QStringView period, QStringView unitCode) {
    const PeriodUnit* unit = unitOf(unitCode);
    if (!unit)
        return u"%1: the unit must be D, W, M or Y, not \"%2\""_s.arg(field, unitCode);
    const std::optional<int> count = countIn(period);
    if (!count || *count < 1 || *count > unit->longest)
        return u"%1: give from 1 to %2 %3"_s.arg(field).arg(unit->longest).arg(unit->plural);
    return {};
}

} // namespace

int longestPeriod(QStringView unit) {
    const PeriodUnit* found = unitOf(unit);
    return found ? found->longest : 0;
}

QStringList subscriptionProblems(const CartItem& item, const QLocale& locale) {
    const SubscriptionTerms& terms = item.Subscription;
    QStringList problems;
    const std::optional<qint64> price = readMoneyText(item.Price, locale).value;
    if (!price || *price <= 0)
        problems << u"Price: a subscription needs a price above zero"_s;
    if (const QString problem = periodProblem("Billing period"_L1, terms.Period, terms.Unit); !problem.isEmpty())
        problems << problem;
    if (!terms.Times.isEmpty()) {
        const std::optional<int> times = countIn(terms.Times);
        if (!times || *times < 1 || *times > 52)
            problems << u"Number of payments: give from 1 to 52, or nothing for payments until cancelled"_s;
    }
    if (terms.hasTrial()) {
        if (const QString problem = periodProblem("Trial period"_L1, terms.TrialPeriod, terms.TrialUnit);
            !problem.isEmpty())
            problems << problem;
        const std::optional<qint64> trial = readMoneyText(terms.TrialAmount, locale).value;
        if (!terms.TrialAmount.isEmpty() && (!trial || *trial < 0))
            problems << u"Trial price: give an amount of zero or more, or nothing for a free trial"_s;
    }
    return problems;
}

} // namespace velmora
