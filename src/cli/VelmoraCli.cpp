#include "cli/VelmoraCli.h"

#include "cli/CliArguments.h"
#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "store/ItemFile.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QTextStream>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

constexpr auto Prefix = "velmora-cli: ";

struct Catalogue {
    QStringList lines;
    QStringList errors;
};

QString linkRefusal(const QString& file) {
    return u"Couldn't make a link for \"%1\": its option set 1 is in use, and a link carries no options; "
           u"make a form for it instead."_s.arg(QDir::toNativeSeparators(file));
}

// Everything is made before anything is printed, so that a script never receives half a catalogue.
Catalogue makeCatalogue(const CliArguments& arguments, const MerchantSettings& settings) {
    Catalogue catalogue;
    for (const QString& file : arguments.files) {
        const ItemRecordResult read = readItemFile(file, RecordCheck::Strict);
        if (!read.ok()) {
            catalogue.errors << read.error;
            continue;
        }
        const CartItem item = cartItemFromRecord(read.record);
        if (arguments.command == CliCommand::Form)
            catalogue.lines << BuildButtonForm(item, settings, arguments.locale);
        else if (item.Option1.Active == 1) // the window withholds its link command for such an item
            catalogue.errors << linkRefusal(file);
        else
            catalogue.lines << BuildCartLink(item, settings, arguments.locale);
    }
    return catalogue;
}

} // namespace

int runVelmoraCli(const QStringList& arguments, const SettingsStore& store, QTextStream& out, QTextStream& err) {
    const CliArguments parsed = parseCliArguments(arguments);
    if (parsed.help || parsed.version) {
        out << (parsed.help ? cliHelpText() : u"velmora-cli " VELMORA_VERSION "\n"_s) << Qt::flush;
        return CliExit::Done;
    }
    if (!parsed.error.isEmpty()) {
        err << Prefix << parsed.error << "\nTry \"velmora-cli --help\".\n" << Qt::flush;
        return CliExit::Usage;
    }

    Catalogue catalogue = makeCatalogue(parsed, parsed.overriding(loadMerchantSettings(store)));
    // A store that cannot be read gives the default settings, which must not end up in a merchant's pages.
    if (!store.isReadable())
        catalogue.errors.prepend(store.problem());
    if (!catalogue.errors.isEmpty()) {
        for (const QString& error : catalogue.errors)
            err << Prefix << error << '\n';
        err << Qt::flush;
        return CliExit::Refused;
    }

    for (const QString& line : catalogue.lines)
        out << line << '\n';
    out << Qt::flush;
    if (out.status() != QTextStream::Ok) {
        err << Prefix << "Couldn't write the output.\n" << Qt::flush;
        return CliExit::Refused;
    }
    return CliExit::Done;
}

} // namespace velmora
