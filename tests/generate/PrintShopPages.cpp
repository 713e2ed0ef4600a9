// Writes a preview page in both modes and a catalogue page of hostile items into the folder given, for
// strict_html.py to parse.
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
    // No document can hold a carriage return or another control character but tab, line feed and form feed
    // without a parse error; browsers still read them back, and neither the window nor an item file holds one.
    QList<CartItem> items;
    MerchantSettings settings;
    for (const auto& [name, hostile] : HostileValues) {
        if (hostile.contains(u'\r'))
            continue;
        items << hostileItem(hostile);
        items.back().Option2.Kind = OptionSetKind::TextBox;
        settings = hostileSettings(hostile);
    }
    CartItem linked = hostileItem(QStringLiteral("&\"<"));
    linked.Option1.Active = 0;
    const MerchantSettings sandbox = seller([](MerchantSettings& s) { s.UseSandbox = true; });
    const QLocale german(QLocale::German, QLocale::Germany);
    const bool written = write(folder, QStringLiteral("preview-live.html"), BuildPreviewPage(linked, seller())) &&
                         write(folder, QStringLiteral("preview-sandbox.html"), BuildPreviewPage(items[0], sandbox)) &&
                         write(folder, QStringLiteral("catalogue.html"),
                               BuildCataloguePage(items, settings, QStringLiteral("<Shop> & \"more\""), german));
    return written ? 0 : 1;
}
