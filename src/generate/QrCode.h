#pragma once

#include <QString>

namespace velmora {

// The SVG document of the QR code of the text (its UTF-8 bytes, error correction level M, four modules of quiet
// zone on a white ground), for a payment link to be scanned from a screen or from paper. An empty text, or one too
// long for any QR code (beyond 2331 bytes), gives an empty result.
QString BuildQrCodeSvg(const QString& text);

} // namespace velmora
