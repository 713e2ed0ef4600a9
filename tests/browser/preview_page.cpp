// Prints the preview page of one item file, as the window's preview writes it, for the browser test. Takes
// velmora-cli's arguments for a page of that one file; the settings not given are empty.
#include "cli/CliArguments.h"
#include "generate/ShopPage.h"
#include "store/ItemFile.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace velmora;

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const CliArguments arguments = parseCliArguments(app.arguments());
    QTextStream err(stderr);
    if (!arguments.error.isEmpty() || arguments.output->id != OutputId::Page || arguments.files.size() != 1) {
        err << "Usage: preview_page page [velmora-cli's options] FILE\n" << arguments.error << '\n';
        return 1;
    }
    const ItemRecordResult read = readItemFile(arguments.files[0], RecordCheck::Strict);
    if (!read.ok()) {
        err << read.error << '\n';
        return 2;
    }
    const MerchantSettings settings = arguments.overriding(MerchantSettings{});
    QTextStream(stdout) << BuildPreviewPage(cartItemFromRecord(read.record), settings, arguments.locale);
    return 0;
}
