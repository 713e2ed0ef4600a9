#pragma once

#include <QList>
#include <QString>

namespace velmora {

// The SVG document of the QR code of the text (its UTF-8 bytes, error correction level M, four modules of quiet
// zone on a white ground), for a payment link to be scanned from a screen or from paper. An empty text, or one too
// long for any QR code (beyond 2331 bytes), gives an empty result.
QString BuildQrCodeSvg(const QString& text);

// The same code's modules, quiet zone included, row by row, for drawing it as an image: none where the SVG is empty.
struct QrModules {
    int side = 0;
    QList<bool> dark; // side * side
    bool isDark(int x, int y) const { return dark[qsizetype(y) * side + x]; }
};
QrModules qrCodeModules(const QString& text);

} // namespace velmora
