#include "store/MerchantField.h"

#include <type_traits>

namespace velmora {

ValueKind fieldKind(const MerchantField& field) {
    return std::holds_alternative<bool MerchantSettings::*>(field) ? ValueKind::Boolean : ValueKind::Text;
}

StoredValue fieldValue(const MerchantSettings& settings, const MerchantField& field) {
    return std::visit(
        [&settings](auto member) -> StoredValue {
            if constexpr (std::is_same_v<decltype(member), std::monostate>)
                return QString();
            else
                return settings.*member;
        },
        field);
}

void setFieldValue(MerchantSettings& settings, const MerchantField& field, const StoredValue& value) {
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>)
                settings.*member = std::get<std::remove_cvref_t<decltype(settings.*member)>>(value);
        },
        field);
}

} // namespace velmora
