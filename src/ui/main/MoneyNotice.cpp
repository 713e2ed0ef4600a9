#include "ui/main/MoneyNotice.h"

#include "model/CartCurrency.h"
#include "model/MoneyText.h"

#include <QStringList>

namespace velmora {
namespace {

using namespace Qt::StringLiterals;

// In ten-thousandths: what rounds to a cent.
constexpr qint64 HalfCent = 50;

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// The locale's own currency stands for the account's when the merchant names none.
QString otherCurrency(const MoneyReading& reading, const QLocale& locale, const QString& merchantCurrency) {
    const CartCurrency* merchant = findCartCurrency(merchantCurrency);
    const QString charged = merchant ? merchant->code.toString() : locale.currencySymbol(QLocale::CurrencyIsoCode);
    if (reading.currency.isEmpty() || reading.currencyCodes.contains(charged))
        return {};
    return merchant ? u"names another currency: the button charges in %1"_s.arg(charged)
                    : u"names another currency: the button charges in your account's own"_s;
}

} // namespace

QString moneyNotice(const MoneyField& field, const QLocale& locale, const QString& merchantCurrency) {
    const MoneyReading reading = readMoneyText(field.typed, locale);
    // Rewriting it to zero already says that nothing is charged.
    if (!reading.value && !field.typed.isEmpty() && field.typed != field.holds)
        return u"%1: %2 holds no number and became %3"_s.arg(field.name, quoted(field.typed), field.holds);

    QStringList clauses;
    const qint64 value = reading.value.value_or(0);
    if (value <= -HalfCent)
        clauses << quoted(field.typed) + u" is negative, and the payment page takes no negative amount"_s;
    if (const QString other = otherCurrency(reading, locale, merchantCurrency); !other.isEmpty())
        clauses << quoted(field.typed) + u' ' + other;
    if (field.isPrice && (field.typed.isEmpty() || (reading.value && value > -HalfCent && value < HalfCent)))
        clauses << u"the buyer would pay nothing"_s;
    return clauses.isEmpty() ? QString() : field.name + u": "_s + clauses.join(u"; "_s);
}

} // namespace velmora
