#pragma once

#include "model/ItemRecord.h"
#include "store/StoredValue.h"

#include <QString>

namespace velmora {

// A value as an item record holds it, and a record's text read back as a value of its kind: a text as it stands, a
// check-box state in decimal ("0", "1" or "2"), a boolean as "1" or "0".
QString itemFieldText(const StoredValue& value);
StoredValue itemFieldValue(ValueKind kind, QStringView text);

} // namespace velmora
