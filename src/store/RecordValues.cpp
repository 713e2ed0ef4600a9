#include "store/RecordValues.h"

namespace velmora {

using namespace Qt::StringLiterals;

QString itemFieldText(const StoredValue& value) {
    switch (kindOf(value)) {
    case ValueKind::Text:
        return std::get<QString>(value);
    case ValueKind::CheckBox:
        return QString::number(std::get<int>(value));
    case ValueKind::Boolean:
        return std::get<bool>(value) ? u"1"_s : u"0"_s;
    }
    Q_UNREACHABLE();
}

StoredValue itemFieldValue(ValueKind kind, QStringView text) {
    switch (kind) {
    case ValueKind::Text:
        return text.toString();
    case ValueKind::CheckBox:
        return checkBoxValue(text);
    case ValueKind::Boolean:
        return booleanField(text);
    }
    Q_UNREACHABLE();
}

} // namespace velmora
