#include "cli/CliArguments.h"

#include "model/CartCurrency.h"

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

const std::array<SettingOption, 5> SettingOptions{{
    {"email"_L1, "ADDRESS"_L1, "the PayPal account that receives the payments"_L1, &MerchantSettings::eMail},
    {"store-logo"_L1, "URL"_L1, "the store logo shown on the payment pages"_L1, &MerchantSettings::StoreLogo},
    {"button-image"_L1, "URL"_L1, "the image of the form's button"_L1, &MerchantSettings::ButtonImageURL},
    {"success-url"_L1, "URL"_L1, "the page the buyer returns to after paying"_L1,
     &MerchantSettings::PurchaseSuccessURL},
    {"cancel-url"_L1, "URL"_L1, "the page the buyer returns to after cancelling"_L1,
     &MerchantSettings::PurchaseCancelURL},
}};

const QCommandLineOption CurrencyOption(u"currency"_s, u"the currency of the prices"_s, u"CODE"_s);
const QCommandLineOption LocaleOption(u"locale"_s, u"the locale the item files' prices were typed in"_s, u"NAME"_s);
const QCommandLineOption HelpOption({u"h"_s, u"help"_s}, u"shows this help"_s);
const QCommandLineOption VersionOption(u"version"_s, u"shows the program's name and version"_s);

const QList<std::pair<QLatin1StringView, CliCommand>> Commands{
    {"form"_L1, CliCommand::Form},
    {"link"_L1, CliCommand::Link},
};

CliArguments usageError(const QString& message) {
    CliArguments arguments;
    arguments.error = message;
    return arguments;
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

} // namespace

MerchantSettings CliArguments::overriding(MerchantSettings settings) const {
    for (const auto& [field, value] : overrides)
        settings.*field = value;
    return settings;
}

CliArguments parseCliArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(HelpOption);
    parser.addOption(VersionOption);
    parser.addOption(CurrencyOption);
    parser.addOption(LocaleOption);
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
        return usageError(u"Say what to make: form or link."_s);
    const QString command = positional.takeFirst();
    const auto known =
        std::find_if(Commands.begin(), Commands.end(), [&](const auto& c) { return c.first == command; });
    if (known == Commands.end())
        return usageError(u"Unknown command \"%1\": say form or link."_s.arg(command));
    if (positional.isEmpty())
        return usageError(u"Name at least one item file."_s);

    parsed.command = known->second;
    parsed.files = positional;
    for (const SettingOption& option : SettingOptions) {
        if (parser.isSet(option.name)) // given twice, the last one counts
            parsed.overrides.append({option.field, parser.value(option.name)});
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

QString cliHelpText() {
    QString options;
    for (const SettingOption& option : SettingOptions)
        options +=
            u"  --%1 %2\n"_s.arg(QString(option.name + u' ' + option.valueName).leftJustified(20), option.description);

    return uR"(Usage: velmora-cli form|link [options] [--] FILE...

Prints, for each item file in the order given, the text Velmora makes for it, one line per item:
  form   the complete "Add to cart" button form
  link   the bare cart link; not for an item whose option set 1 is in use

The merchant settings are those Velmora keeps for you, only read, never changed. These options
replace them one by one:
%1  --currency CODE        the currency of the prices, one the cart takes, such as EUR or JPY, in
                         any letter case; empty: none is sent, and the account's own applies
  --locale NAME          the locale the item files' prices were typed in, such as de_DE; when
                         not given, yours (%2)
  -h, --help             shows this help
      --version          shows the program's name and version
  --                     ends the options: every argument after it is an item file, even one
                         whose name starts with "-"; put it before file names a script is given

Every file is read and checked before anything is printed. Exit status:
  0  all went well
  1  the command line is wrong
  2  a file cannot be read or is not an item file, an item cannot be made into a link, or the
     settings cannot be read; the reasons go to standard error and nothing is printed
)"_s.arg(options, QLocale().name());
}

} // namespace velmora
