#include "model/ItemRecord.h"

#include "model/ItemValues.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace Qt::StringLiterals;

ItemRecord::ItemRecord() : m_texts(ItemValueId::Count) {
    for (const ItemValue& value : itemValues()) {
        if (!value.isClassic())
            m_texts[value.id] = value.defaultText;
    }
}

double fieldNumber(QStringView text) {
    static const QRegularExpression leadingNumber(uR"(^[ \t]*([+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eE][+-]?\d+)?))"_s);
    const auto match = leadingNumber.match(text);
    // The pattern admits only plain decimal notation, so the conversion cannot fail; an exponent beyond the
    // double range gives an infinity, which no check box accepts.
    return match.hasMatch() ? QLocale::c().toDouble(match.capturedView(1)) : 0.0;
}

int checkBoxValue(QStringView text) {
    return int(std::clamp(std::nearbyint(fieldNumber(text)), -1.0, 3.0));
}

bool booleanField(QStringView text) {
    return fieldNumber(text) != 0.0;
}

CartItem cartItemFromRecord(const ItemRecord& record) {
    CartItem item;
    for (const ItemValue& value : itemValues())
        value.putInto(item, record[value.id]);
    return item;
}

} // namespace velmora
