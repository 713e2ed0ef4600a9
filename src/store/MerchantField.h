#pragma once

#include "model/MerchantSettings.h"
#include "store/StoredValue.h"

#include <variant>

namespace velmora {

// The field of MerchantSettings a merchant key fills and an options row edits: a text, or a flag. None for a key
// that is not the merchant's.
using MerchantField = std::variant<std::monostate, QString MerchantSettings::*, bool MerchantSettings::*>;

// Text for a text field, Boolean for a flag.
ValueKind fieldKind(const MerchantField& field);
// The field's value in settings; an empty text for none.
StoredValue fieldValue(const MerchantSettings& settings, const MerchantField& field);
// Puts a value of the field's kind into settings; none takes nothing.
void setFieldValue(MerchantSettings& settings, const MerchantField& field, const StoredValue& value);

} // namespace velmora
