#include "cli/CliArguments.h"

#include "model/CartCurrency.h"
#include "store/NativeFileName.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

struct SettingOption {
    QLatin1StringView name;
    QLatin1StringView valueName;
    QLatin1StringView description;
    QString MerchantSettings::*field;
};

const std::array<SettingOption, 6> SettingOptions{{
    {"email"_L1, "ADDRESS"_L1, "the PayPal account that receives the payments"_L1, &MerchantSettings::eMail},
    {"store-logo"_L1, "URL"_L1, "the store logo shown on the payment pages"_L1, &MerchantSettings::StoreLogo},
    {"button-image"_L1, "URL"_L1, "the image of an Add to Cart form's button"_L1, &MerchantSettings::ButtonImageURL},
    {"success-url"_L1, "URL"_L1, "the page the buyer returns to after paying"_L1,
     &MerchantSettings::PurchaseSuccessURL},
    {"cancel-url"_L1, "URL"_L1, "the page the buyer returns to after cancelling"_L1,
     &MerchantSettings::PurchaseCancelURL},
    {"shopping-url"_L1, "URL"_L1, "the page the cart's \"Continue shopping\" returns to"_L1,
     &MerchantSettings::ShoppingURL},
}};

const QCommandLineOption CurrencyOption(u"currency"_s, u"the currency of the prices"_s, u"CODE"_s);
const QCommandLineOption LocaleOption(u"locale"_s, u"the locale the item files' prices were typed in"_s, u"NAME"_s);
const QCommandLineOption SandboxOption(u"sandbox"_s, u"payments go to the test site"_s);
const QCommandLineOption LiveOption(u"live"_s, u"payments go to the live site"_s);
const QCommandLineOption TitleOption(u"title"_s, u"the page's title"_s, u"TEXT"_s);
const QCommandLineOption ClientIdOption(u"client-id"_s, u"the REST app's client ID"_s, u"ID"_s);
const QCommandLineOption QrDirOption(u"qr-dir"_s, u"where each payment link's QR code is written"_s, u"DIR"_s);
const QCommandLineOption DryRunOption(u"dry-run"_s, u"prints the request bodies and sends nothing"_s);
const QCommandLineOption IdOption(u"id"_s, u"the payment link to delete"_s, u"ID"_s);
const QCommandLineOption PaymentLinksOption(u"payment-links"_s, u"buttons to the items' payment links"_s);
const QCommandLineOption HelpOption({u"h"_s, u"help"_s}, u"shows this help"_s);
const QCommandLineOption VersionOption(u"version"_s, u"shows the program's name and version"_s);

// The outputs velmora-cli makes, in the table's order.
QList<const Output*> verbs() {
    QList<const Output*> made;
    for (const Output& output : outputs()) {
        if (!output.verb.isEmpty())
            made << &output;
    }
    return made;
}

// "form, link or page"
QString verbNames() {
    QStringList names;
    for (const Output* output : verbs())
        names << output->verb;
    const QString last = names.takeLast();
    return names.join(u", "_s) + u" or "_s + last;
}

CliArguments usageError(const QString& message) {
    CliArguments arguments;
    arguments.error = readableFileName(message);
    return arguments;
}

// The arguments come as file names do, byte for byte; those that are no file name are text, in which a byte that
// is not UTF-8 can only stand for U+FFFD.
QString textValue(const QString& argument) {
    return readableFileName(argument);
}

QString acceptedCurrencies() {
    QStringList codes;
    for (const CartCurrency& currency : CartCurrencies)
        codes << currency.code.toString();
    return codes.join(u", ");
}

// QLocale quietly falls back to the C locale for a language it does not know, and drops a territory it does not
// know; either way the prices would be read by other rules than the ones they were typed by.
std::optional<QLocale> knownLocale(const QString& name) {
    const QString base = name.section(u'.', 0, 0).section(u'@', 0, 0);
    if (base == u"C" || base == u"POSIX")
        return QLocale::c();
    const QStringList parts = base.split(QRegularExpression(u"[_-]"_s));
    const QString& last = parts.last();
    const bool isScript = last.size() == 4;
    if (parts.size() > 1 && !isScript && QLocale::codeToTerritory(last) == QLocale::AnyTerritory)
        return std::nullopt;
    const QLocale locale(name);
    return locale.language() == QLocale::C ? std::nullopt : std::optional(locale);
}

// The currency option's value as a setting: a cart currency's code as the cart spells it, or empty for none.
std::optional<QString> currencySetting(const QString& code) {
    if (code.isEmpty())
        return QString();
    if (const CartCurrency* currency = findCartCurrency(code))
        return currency->code.toString();
    return std::nullopt;
}

// --sandbox and --live both given: the last one counts, as with every other setting given twice.
std::optional<bool> sandboxSetting(const QCommandLineParser& parser) {
    const QStringList names = parser.optionNames();
    const auto last = std::find_if(names.rbegin(), names.rend(),
                                   [](const QString& name) { return name == u"sandbox" || name == u"live"; });
    return last == names.rend() ? std::nullopt : std::optional(*last == u"sandbox");
}

// An option given to a command it is not for: "--qr-dir is for publish only."
QString misplacedOption(const QCommandLineParser& parser, const Output& output) {
    const bool asksService =
        output.madeBy == MadeBy::PaymentLinks || (output.id == OutputId::Page && parser.isSet(PaymentLinksOption));
    struct Placed {
        const QCommandLineOption& option;
        bool allowed;
        QLatin1StringView commands;
    };
    const std::array<Placed, 5> placed{{
        {ClientIdOption, asksService, "publish, unpublish, links and page --payment-links"_L1},
        {QrDirOption, output.id == OutputId::Publish, "publish"_L1},
        {DryRunOption, output.id == OutputId::Publish, "publish"_L1},
        {IdOption, output.id == OutputId::Unpublish, "unpublish"_L1},
        {PaymentLinksOption, output.id == OutputId::Page, "page"_L1},
    }};
    for (const Placed& option : placed) {
        if (!option.allowed && parser.isSet(option.option))
            return u"--%1 is for %2 only."_s.arg(option.option.names().front(), option.commands);
    }
    return {};
}

} // namespace

MerchantSettings CliArguments::overriding(MerchantSettings settings) const {
    for (const auto& [field, value] : overrides)
        settings.*field = value;
    if (useSandbox)
        settings.UseSandbox = *useSandbox;
    return settings;
}

CliArguments parseCliArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(HelpOption);
    parser.addOption(VersionOption);
    parser.addOption(CurrencyOption);
    parser.addOption(LocaleOption);
    parser.addOption(SandboxOption);
    parser.addOption(LiveOption);
    parser.addOption(TitleOption);
    for (const QCommandLineOption& option : {ClientIdOption, QrDirOption, DryRunOption, IdOption, PaymentLinksOption})
        parser.addOption(option);
    for (const SettingOption& option : SettingOptions)
        parser.addOption(QCommandLineOption(option.name, option.description, option.valueName));
    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    CliArguments parsed;
    parsed.help = parser.isSet(HelpOption);
    parsed.version = parser.isSet(VersionOption);
    if (parsed.help || parsed.version)
        return parsed;
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(u"Say what to make: %1."_s.arg(verbNames()));
    const QString command = positional.takeFirst();
    const Output* known = outputForVerb(command);
    if (!known)
        return usageError(u"Unknown command \"%1\": say %2."_s.arg(command, verbNames()));
    if (const QString misplaced = misplacedOption(parser, *known); !misplaced.isEmpty())
        return usageError(misplaced);
    const bool byId = parser.isSet(IdOption);
    const bool takesFiles = known->takes != OutputTakes::Settings && !byId;
    if (byId && !positional.isEmpty())
        return usageError(u"unpublish --id takes no item files."_s);
    if (takesFiles && positional.isEmpty())
        return usageError(u"Name at least one item file."_s);
    if (!takesFiles && !positional.isEmpty())
        return usageError(u"%1 takes no item files."_s.arg(command));
    if (parser.isSet(TitleOption) && known->takes != OutputTakes::AllItems)
        return usageError(u"--title is for the page command only."_s);

    parsed.output = known;
    parsed.files = positional;
    parsed.title = textValue(parser.value(TitleOption));
    parsed.useSandbox = sandboxSetting(parser);
    parsed.clientId = textValue(parser.value(ClientIdOption));
    parsed.qrDir = parser.value(QrDirOption);
    parsed.dryRun = parser.isSet(DryRunOption);
    parsed.linkId = textValue(parser.value(IdOption));
    parsed.paymentLinks = parser.isSet(PaymentLinksOption);
    for (const SettingOption& option : SettingOptions) {
        if (parser.isSet(option.name)) // given twice, the last one counts
            parsed.overrides.append({option.field, textValue(parser.value(option.name))});
    }
    if (parser.isSet(CurrencyOption)) {
        const std::optional<QString> currency = currencySetting(parser.value(CurrencyOption));
        if (!currency)
            return usageError(
                u"Unknown currency \"%1\": say one of %2."_s.arg(parser.value(CurrencyOption), acceptedCurrencies()));
        parsed.overrides.append({&MerchantSettings::Currency, *currency});
    }
    if (parser.isSet(LocaleOption)) {
        const std::optional<QLocale> locale = knownLocale(parser.value(LocaleOption));
        if (!locale)
            return usageError(
                u"Unknown locale \"%1\": say one such as en_US, de_DE or fr_FR."_s.arg(parser.value(LocaleOption)));
        parsed.locale = *locale;
    }
    return parsed;
}

namespace {

// "  form            what it prints", wrapped beneath itself.
QString helpEntry(QLatin1StringView verb, QLatin1StringView help) {
    constexpr qsizetype Indent = 18;
    constexpr qsizetype Width = 96;
    QString entry = (u"  "_s + verb).leftJustified(Indent);
    qsizetype lineLength = Indent;
    for (const QLatin1StringView word : help.tokenize(QLatin1Char(' '))) {
        if (lineLength > Indent && lineLength + 1 + word.size() > Width) {
            entry += u'\n' + QString(Indent, u' ');
            lineLength = Indent;
        } else if (lineLength > Indent) {
            entry += u' ';
            ++lineLength;
        }
        entry += word;
        lineLength += word.size();
    }
    return entry + u'\n';
}

} // namespace

QString cliHelpText() {
    QString options;
    for (const SettingOption& option : SettingOptions)
        options +=
            u"  --%1 %2\n"_s.arg(QString(option.name + u' ' + option.valueName).leftJustified(20), option.description);

    QStringList withFiles, withoutFiles;
    QString made;
    for (const Output* output : verbs()) {
        (output->takes == OutputTakes::Settings ? withoutFiles : withFiles) << output->verb;
        made += helpEntry(output->verb, output->help);
    }
    return uR"(Usage: velmora-cli %3 [options] [--] FILE...
       velmora-cli %4 [options]

Prints the text Velmora makes:
%5
The merchant settings are those Velmora keeps for you, only read, never changed. These options
replace them one by one:
%1  --currency CODE        the currency of the prices, one the cart takes, such as EUR or JPY, in
                         any letter case; empty: none is sent, and the account's own applies
  --sandbox              payments go to the payment service's test site: no real money moves
  --live                 payments are real; of --sandbox and --live, the last one given counts
  --locale NAME          the locale the item files' prices were typed in, such as de_DE; when
                         not given, yours (%2)
  --client-id ID         publish, unpublish, links and page --payment-links: the REST app's client
                         ID in place of the stored one of the live or sandbox site; its secret comes
                         from VELMORA_CLIENT_SECRET where set, else from the desktop's keyring
  --dry-run              publish: prints the JSON request body of each item, one line per item, and
                         sends nothing; needs no credentials
  --qr-dir DIR           publish: also writes each link's QR code as DIR/BASENAME.svg
  --id ID                unpublish: deletes the payment link with this id (as links lists it)
  --payment-links        page: a "Buy now" button to each item's payment link, found by its item ID
  -h, --help             shows this help
      --version          shows the program's name and version
  --                     ends the options: every argument after it is an item file, even one
                         whose name starts with "-"; put it before file names a script is given

Every file is read and checked before anything is printed. Exit status:
  0  all went well
  1  the command line is wrong
  2  a file cannot be read or is not an item file, an item cannot be made into a link, or the
     settings cannot be read; the reasons go to standard error and nothing is printed
     (publish and unpublish check every file before the first request, then go on past an item
     PayPal refused or that failed: the others are still done and printed, and the status is 2)
While the PayPal e-mail is not one payments can reach, a warning line goes to standard error; the
output and the exit status stay the same. So it does while the stored sandbox switch is neither on
nor off, when it counts as on, and neither --sandbox nor --live is given. File names are taken byte
for byte, names that are not UTF-8 included.
)"_s.arg(options, QLocale().name(), withFiles.join(u'|'), withoutFiles.join(u'|'), made);
}

} // namespace velmora
