// Writes a preview page in both modes, and a catalogue page and a payment-link page of hostile items, into the
// folder given, for strict_html.py to parse.
#include "HostileValues.h"
#include "SampleItems.h"
#include "generate/ShopPage.h"

#include <QDir>
#include <QFile>

using namespace velmora;

namespace {

bool write(const QDir& folder, const QString& name, const QString& page) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(page.toUtf8()) >= 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1])))
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // Besides markup, what no document may hold: control characters, noncharacters, a lone surrogate.
    QList<std::pair<const char*, QString>> values = HostileValues;
    values.append({"forbidden", QStringLiteral("\u0001\u007F\u009F\uFDD0\uFFFF") + QChar(0xDC00)});
    QList<CartItem> items;
    QStringList links;
    MerchantSettings settings;
    for (const auto& [name, hostile] : values) {
        items << hostileItem(hostile);
        items.back().Option2.Kind = OptionSetKind::TextBox;
        settings = hostileSettings(hostile);
        links << QStringLiteral("https://www.paypal.com/ncp/payment/") + hostile;
    }
    CartItem linked = hostileItem(QStringLiteral("&\"<"));
    linked.Option1.Active = 0;
    const MerchantSettings sandbox = seller([](MerchantSettings& s) { s.UseSandbox = true; });
    const QLocale german(QLocale::German, QLocale::Germany);
    const bool written = write(folder, QStringLiteral("preview-live.html"), BuildPreviewPage(linked, seller())) &&
                         write(folder, QStringLiteral("preview-sandbox.html"), BuildPreviewPage(items[0], sandbox)) &&
                         write(folder, QStringLiteral("catalogue.html"),
                               BuildCataloguePage(items, settings, QStringLiteral("<Shop> & \"more\""), german)) &&
                         write(folder, QStringLiteral("payment-links.html"),
                               BuildPaymentLinkPage(items, links, settings, QStringLiteral("<Shop>"), german));
    return written ? 0 : 1;
}
