#pragma once

#include <QLocale>
#include <QString>

namespace velmora {

// A money field as the merchant left it, or as a button was made from it.
struct MoneyField {
    QString name;  // as the window labels it: "Shipping (1st)"
    bool isPrice;  // the amount the buyer pays for the item
    QString typed; // what the merchant typed
    QString holds; // what the field holds now
};

// What the status line tells of the field, in one line naming it; empty when there is nothing to tell. The
// merchant's currency is a cart currency's code, or empty for the account's own.
QString moneyNotice(const MoneyField& field, const QLocale& locale, const QString& merchantCurrency);

} // namespace velmora
