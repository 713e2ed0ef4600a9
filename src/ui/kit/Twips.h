#pragma once

#include <QRect>

namespace velmora {

// The windows are laid out in twips; 15 of them make a pixel at 96 dpi, and Qt scales from there.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

constexpr QRect fromTwips(const QRect& twips) {
    return {fromTwips(twips.x()), fromTwips(twips.y()), fromTwips(twips.width()), fromTwips(twips.height())};
}

} // namespace velmora
