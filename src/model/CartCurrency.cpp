#include "model/CartCurrency.h"

#include <algorithm>

namespace velmora {
namespace {

char16_t asciiUpper(QChar c) {
    return c >= u'a' && c <= u'z' ? char16_t(c.unicode() - (u'a' - u'A')) : c.unicode();
}

} // namespace

QString CartCurrency::displayText() const {
    return QStringLiteral("%1  %2").arg(code, englishName);
}

const CartCurrency* findCartCurrency(QStringView code) {
    // Every code is three ASCII letters; checking that first keeps the usual miss, no currency, free.
    if (code.size() != 3)
        return nullptr;
    const std::array<char16_t, 3> upper{asciiUpper(code[0]), asciiUpper(code[1]), asciiUpper(code[2])};
    const auto found = std::find_if(CartCurrencies.begin(), CartCurrencies.end(), [&](const CartCurrency& currency) {
        return std::equal(upper.begin(), upper.end(), currency.code.utf16());
    });
    return found == CartCurrencies.end() ? nullptr : &*found;
}

} // namespace velmora
