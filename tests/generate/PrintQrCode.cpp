// Prints the SVG QR code of the UTF-8 text on standard input, for qr_roundtrip.py to hand to a real decoder.
#include "generate/QrCode.h"

#include <QFile>

#include <cstdio>

int main() {
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 2;
    const QString svg = velmora::BuildQrCodeSvg(QString::fromUtf8(in.readAll()));
    return out.write(svg.toUtf8()) < 0 ? 1 : 0;
}
