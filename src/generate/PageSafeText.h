#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

namespace velmora {

// A text as a shop page may hold it: a strict HTML parser refuses a document with a control character but tab and
// line feed (a carriage return too, since even "&#13;" is an error), a noncharacter or a lone surrogate, so each
// of those shows as U+FFFD.
QString pageSafeText(const QString& text);

// Every text of the item, and of the settings, made page-safe.
CartItem pageSafeItem(CartItem item);
MerchantSettings pageSafeSettings(MerchantSettings settings);

} // namespace velmora
