#include "generate/QrCode.h"

#include <qrencode.h>

#include <QByteArray>

#include <limits>
#include <memory>

namespace velmora {
namespace {

// The blank border a reader needs to find the code, in modules.
constexpr int QuietZone = 4;
// Three quarters of a millimetre a module: a short link prints about 3 cm wide, which a phone reads from arm's
// length, and the longest code still fits a page.
constexpr double ModuleMillimetres = 0.75;

struct FreeQrCode {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

// One square of the path per run of dark modules along a row, so a long link stays a small file.
QString darkModules(const QrModules& code) {
    QString path;
    for (int y = 0; y < code.side; ++y) {
        for (int x = 0; x < code.side;) {
            int run = 0;
            while (x + run < code.side && code.isDark(x + run, y))
                ++run;
            if (run > 0)
                path += QStringLiteral("M%1 %2h%3v1h-%3z").arg(x).arg(y).arg(run);
            x += run > 0 ? run : 1;
        }
    }
    return path;
}

} // namespace

QrModules qrCodeModules(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int>::max())
        return {};
    // Version 0: the smallest code that holds the bytes.
    const std::unique_ptr<QRcode, FreeQrCode> code(QRcode_encodeData(
        int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData()), 0, QR_ECLEVEL_M));
    if (!code)
        return {};
    QrModules modules{code->width + 2 * QuietZone, {}};
    modules.dark.fill(false, qsizetype(modules.side) * modules.side);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x)
            modules.dark[qsizetype(y + QuietZone) * modules.side + x + QuietZone] =
                code->data[qsizetype(y) * code->width + x] & 1;
    }
    return modules;
}

QString BuildQrCodeSvg(const QString& text) {
    const QrModules code = qrCodeModules(text);
    if (code.side == 0)
        return {};
    const int side = code.side;
    const QString size = QString::number(side * ModuleMillimetres) + QStringLiteral("mm");
    // crispEdges keeps a rasteriser from blurring the edges between modules into grey.
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 %1 %1\" "
                          "width=\"%2\" height=\"%2\" shape-rendering=\"crispEdges\">\n"
                          "<rect width=\"%1\" height=\"%1\" fill=\"#fff\"/>\n"
                          "<path fill=\"#000\" d=\"%3\"/>\n"
                          "</svg>\n")
        .arg(side)
        .arg(size, darkModules(code));
}

} // namespace velmora
