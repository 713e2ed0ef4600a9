#include "cli/VelmoraCli.h"

#include "cli/CliArguments.h"
#include "cli/PaymentLinkCommands.h"
#include "generate/Outputs.h"
#include "model/MerchantAccount.h"
#include "store/ItemFile.h"
#include "store/MerchantStore.h"
#include "store/NativeFileName.h"
#include "store/SettingsStore.h"

#include <QTextStream>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

struct Catalogue {
    QString text;
    QStringList errors;
};

QString refusal(const Output& output, const QString& file, const QString& reason) {
    return u"Couldn't make %1 for \"%2\": %3."_s.arg(output.what, shownFileName(file), reason);
}

// Everything is made before anything is printed, so that a script never receives half a catalogue.
Catalogue makeCatalogue(const CliArguments& arguments, const MerchantSettings& settings) {
    const Output& output = *arguments.output;
    Catalogue catalogue;
    OutputRequest request{{}, settings, arguments.locale, arguments.title};
    for (const QString& file : arguments.files) {
        const ItemRecordResult read = readItemFile(file, RecordCheck::Strict);
        if (!read.ok()) {
            catalogue.errors << read.error;
            continue;
        }
        request.items << cartItemFromRecord(read.record);
        if (const QString reason = refusalFor(output, request.items.last()); !reason.isEmpty())
            catalogue.errors << refusal(output, file, reason);
        else if (const QStringList problems = problemsWith(output, request.items.last(), settings, arguments.locale);
                 !problems.isEmpty())
            catalogue.errors << refusal(output, file, problems.join(u"; "_s));
    }
    if (!catalogue.errors.isEmpty())
        return catalogue;

    if (output.takes != OutputTakes::EachItem) {
        catalogue.text = output.make(request);
        if (output.takes == OutputTakes::Settings)
            catalogue.text += u'\n';
        return catalogue;
    }
    for (const CartItem& item : std::as_const(request.items))
        catalogue.text += output.make({{item}, settings, arguments.locale, {}}) + u'\n';
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
        err << CliPrefix << parsed.error << "\nTry \"velmora-cli --help\".\n" << Qt::flush;
        return CliExit::Usage;
    }

    const MerchantSettings settings = parsed.overriding(loadMerchantSettings(store));
    if (parsed.output->madeBy == MadeBy::PaymentLinks || parsed.paymentLinks) {
        if (!store.isReadable()) {
            err << CliPrefix << store.problem() << '\n' << Qt::flush;
            return CliExit::Refused;
        }
        return runPaymentLinkCommand(parsed, settings, out, err);
    }
    Catalogue catalogue = makeCatalogue(parsed, settings);
    // A store that cannot be read gives the default settings, which must not end up in a merchant's pages.
    if (!store.isReadable())
        catalogue.errors.prepend(store.problem());
    if (!catalogue.errors.isEmpty()) {
        for (const QString& error : catalogue.errors)
            err << CliPrefix << error << '\n';
        err << Qt::flush;
        return CliExit::Refused;
    }

    out << catalogue.text << Qt::flush;
    if (out.status() != QTextStream::Ok) {
        err << CliPrefix << "Couldn't write the output.\n" << Qt::flush;
        return CliExit::Refused;
    }
    // Every command makes something that pays; a script's output stays as it was, only a person is told.
    if (!isUsableMerchantAccount(settings.eMail))
        err << CliPrefix << unusableAccountWarning << '\n' << Qt::flush;
    // Only the stored switch can be misread; one given on the command line is what was asked for.
    if (const QString warning = sandboxSwitchWarning(store); !warning.isEmpty() && !parsed.useSandbox)
        err << CliPrefix << warning << '\n' << Qt::flush;
    return CliExit::Done;
}

} // namespace velmora
