#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QLocale>
#include <QStringList>

namespace velmora {

// What the payment service would refuse in the item's form or link, each naming its field: a subscription's terms,
// the prices of option set 1, the quantity, tax, handling and weight (where the kind takes them), and advanced
// variables that are malformed or that Velmora writes itself. Money is read in the locale.
QStringList paymentProblems(const CartItem& item, const MerchantSettings& settings, const QLocale& locale);

// What the item holds that its kind of button leaves out ("shipping charges", "option sets"), for the merchant to
// be told; empty when it uses everything it holds.
QStringList valuesLeftOut(const CartItem& item);

} // namespace velmora
