#include "generate/PageSafeText.h"

#include "model/ItemValues.h"

#include <algorithm>

namespace velmora {
namespace {

// Code units that may belong to a character a page cannot hold; the few texts that have any are looked at closely.
bool mayBeUnsafe(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n') || (u >= 0x7F && u <= 0x9F) || QChar::isSurrogate(u) ||
           (u >= 0xFDD0 && u <= 0xFDEF) || u >= 0xFFFE;
}

bool isUnsafe(char32_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7F && c <= 0x9F) || QChar::isNonCharacter(c) ||
           QChar::isSurrogate(c);
}

void makeSafe(QString& text) {
    text = pageSafeText(text);
}

} // namespace

QString pageSafeText(const QString& text) {
    if (std::none_of(text.begin(), text.end(), mayBeUnsafe))
        return text;
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (isUnsafe(c))
            safe += QChar::ReplacementCharacter;
        else
            safe += pair ? text.sliced(i, 2) : QString(text[i]);
        i += pair ? 1 : 0;
    }
    return safe;
}

CartItem pageSafeItem(CartItem item) {
    for (const ItemValue& value : itemValues()) {
        if (value.textOf)
            makeSafe(*value.textOf(item));
    }
    return item;
}

MerchantSettings pageSafeSettings(MerchantSettings settings) {
    for (QString* text :
         {&settings.eMail, &settings.StoreLogo, &settings.PurchaseSuccessURL, &settings.PurchaseCancelURL,
          &settings.ButtonImageURL, &settings.Currency, &settings.ShoppingURL})
        makeSafe(*text);
    return settings;
}

} // namespace velmora
