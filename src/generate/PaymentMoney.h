#pragma once

#include "model/CartCurrency.h"
#include "model/MerchantSettings.h"
#include "model/MoneyText.h"

namespace velmora {

// An item's money as the payment page reads it: in its notation, in the merchant's currency. The locale is the one
// the money texts were typed in.
class PaymentMoney {
public:
    PaymentMoney(const MerchantSettings& settings, const QLocale& typedIn)
        : m_currency(findCartCurrency(settings.Currency)), m_typedIn(typedIn) {}

    QString amount(const QString& moneyText) const { return paymentAmountText(moneyText, m_typedIn, withCents()); }
    // Written out in full, as the buyer reads it.
    QString shownAmount(const QString& moneyText) const {
        return shownPaymentAmountText(moneyText, m_typedIn, withCents());
    }

    // False for a currency the payment page takes in whole units only.
    bool withCents() const { return !m_currency || m_currency->hasCents; }

    // Empty when the merchant names none (or one the cart does not take): the account's own currency applies.
    QStringView currencyCode() const { return m_currency ? m_currency->code : QStringView(); }

private:
    const CartCurrency* m_currency;
    const QLocale& m_typedIn;
};

} // namespace velmora
