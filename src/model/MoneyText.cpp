#include "model/MoneyText.h"

namespace velmora {
QString NormalizeMoneyText(const QString& text, const QLocale&) { return text; } // STUB
} // namespace velmora
