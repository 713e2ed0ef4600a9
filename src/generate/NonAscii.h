#pragma once

#include <QStringView>

namespace velmora {

// The payment service reads legacy 8-bit text unless told otherwise; ASCII reads the same either way.
// Or-ing every code unit, rather than stopping at the first hit, lets the compiler vectorise the scan.
inline bool hasNonAscii(QStringView text) {
    char16_t bits = 0;
    for (const QChar c : text)
        bits |= c.unicode();
    return bits > 0x7f;
}

} // namespace velmora
