#include "cli/VelmoraCli.h"
#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/ShopPage.h"
#include "generate/ViewCart.h"
#include "model/MerchantAccount.h"
#include "store/ItemFile.h"
#include "store/ItemRecordCodec.h"
#include "store/MerchantStore.h"
#include "store/SettingKeys.h"
#include "store/SettingsStore.h"
#include "support/ItemRecords.h"
#include "support/TypedMoney.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

struct CliRun {
    int exit = -1;
    QString out, err;
};

struct ProgramRun {
    bool finished = false;
    int exit = -1;
    QByteArray out, err;
};

CliRun run(const QStringList& arguments, const SettingsStore& store) {
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.exit = runVelmoraCli(QStringList{u"velmora-cli"_s} + arguments, store, out, err);
    return result;
}

const MerchantSettings StoredSettings{u"shop@example.com"_s, u"https://shop.example/logo.png"_s,
                                      u"https://shop.example/thanks"_s, u"https://shop.example/cart"_s,
                                      u"https://shop.example/button.png"_s};

// What the main window shows for the item file, made the way the window makes it.
QString expectedFor(const QString& command, const QString& file, const MerchantSettings& settings) {
    const CartItem item = cartItemFromRecord(readItemFile(file, RecordCheck::Strict).record);
    return command == u"form" ? BuildButtonForm(item, settings) : BuildCartLink(item, settings);
}

// What the program prints for any command, made by the same writers.
QString expectedLines(const QString& command, const QStringList& files, const MerchantSettings& settings,
                      const QString& title = QString()) {
    if (command == u"view-cart-form")
        return BuildViewCartForm(settings) + u'\n';
    if (command == u"view-cart-link")
        return BuildViewCartLink(settings) + u'\n';
    if (command == u"page") {
        QList<CartItem> items;
        for (const QString& file : files)
            items << cartItemFromRecord(readItemFile(file, RecordCheck::Strict).record);
        return BuildCataloguePage(items, settings, title);
    }
    QString lines;
    for (const QString& file : files)
        lines += expectedFor(command, file, settings) + u'\n';
    return lines;
}

// The files a command takes: none for the View Cart outputs.
QStringList filesFor(const QString& command, const QStringList& files) {
    return command.startsWith(u"view-cart") ? QStringList() : files;
}

const QString AccountWarning = u"velmora-cli: "_s + unusableAccountWarning + u'\n';

void writeItem(const QString& path, const ItemRecord& record) {
    const ItemSaveResult saved = writeItemFile(path, record);
    QVERIFY2(saved.ok(), qPrintable(saved.error));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList treeOf(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    return entries;
}

} // namespace

class VelmoraCliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsWhatTheWindowMakes_data();
    void printsWhatTheWindowMakes();
    void optionsReplaceSettingsOneByOne_data();
    void optionsReplaceSettingsOneByOne();
    void sandboxAndLiveOverTheStoredSetting_data();
    void sandboxAndLiveOverTheStoredSetting();
    void warnsOfASandboxSwitchItCannotRead_data();
    void warnsOfASandboxSwitchItCannotRead();
    void printsTheViewCart_data();
    void printsTheViewCart();
    void printsACataloguePage_data();
    void printsACataloguePage();
    void warnsOfAnAccountNoPaymentReaches_data();
    void warnsOfAnAccountNoPaymentReaches();
    void readsPricesInTheLocaleAndCurrencyGiven_data();
    void readsPricesInTheLocaleAndCurrencyGiven();
    void readsMoneyAsMerchantsTypeIt_data();
    void readsMoneyAsMerchantsTypeIt();
    void followsEachItemsKindAndValues_data();
    void followsEachItemsKindAndValues();
    void refusesAndPrintsNothing_data();
    void refusesAndPrintsNothing();
    void refusesSettingsItCannotRead_data();
    void refusesSettingsItCannotRead();
    void takesOnlyWholeItemFiles_data();
    void takesOnlyWholeItemFiles();
    void opensNamesByteForByte_data();
    void opensNamesByteForByte();
    void explainsItself();
    void makesACatalogueOfAThousandItems();
    void runsWithoutADisplayAndLeavesTheStoreAlone();

private:
    ProgramRun runProgram(const QStringList& arguments,
                          const QString& program = QStringLiteral(VELMORA_CLI_PATH)) const;

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QString m_homeStore; // the settings file of the home that runProgram gives the program
};

void VelmoraCliTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path())); // file names as a user would type them

    {
        SettingsStore store(u"settings.ini"_s);
        QVERIFY(saveMerchantSettings(store, StoredSettings));
    }
    m_store = std::make_unique<SettingsStore>(u"settings.ini"_s);

    using namespace ItemValueId;
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_EXAMPLES_DIR "/mug.tqf"), u"mug.tqf"_s));
    writeItem(u"accents.tqf"_s, recordWith({{ItemName, u"Café « Straße »"_s},
                                            {ItemID, u"C-1"_s},
                                            {Price, u"12,50 €"_s},
                                            {Shipping1, u"2.00"_s},
                                            {Shipping2, u"1.00"_s},
                                            {Note, u"1"_s},
                                            {NoteTitle, u"Gift message, \"please\""_s}}));
    writeItem(u"options.tqf"_s, recordWith({{ItemName, u"Shirt"_s},
                                            {Price, u"20.00"_s},
                                            {Option1Active, u"1"_s},
                                            {Option1Name, u"Size"_s},
                                            {Option1DropDown, u"1"_s},
                                            {Option1Values, u"S"_s},
                                            {Option1Values + 3, u"XL"_s},
                                            {Option2Active, u"1"_s},
                                            {Option2Name, u"Print"_s},
                                            {Option2TextBox, u"1"_s}}));
    writeItem(u"german.tqf"_s, recordWith({{ItemName, u"Krug"_s},
                                           {Price, u"1.234,5"_s},
                                           {Shipping1, u"2,5"_s},
                                           {Shipping2, u"1"_s},
                                           {ShippingAddress, u"1"_s}}));
    writeItem(u"grayed.tqf"_s, recordWith({{ItemName, u"Cap"_s}, {Option1Active, u"2"_s}}));
    writeFile(u"broken.tqf"_s, QByteArray(40, '\xA5'));

    QVERIFY(QDir().mkpath(u"home/config/Trevanto"_s));
    m_homeStore = m_dir.filePath(u"home/config/Trevanto/Trevanto.ini"_s);
    SettingsStore homeStore(m_homeStore);
    QVERIFY(saveMerchantSettings(homeStore, StoredSettings));
}

// The real program, as a script runs it, with the settings of a home of its own and no display.
ProgramRun VelmoraCliTest::runProgram(const QStringList& arguments, const QString& programPath) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    environment.insert(u"HOME"_s, m_dir.filePath(u"home"_s));
    environment.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"home/config"_s));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(programPath, arguments);
    ProgramRun run;
    run.finished = program.waitForFinished(60'000);
    if (!run.finished) {
        program.kill();
        program.waitForFinished();
    }
    run.exit = program.exitCode();
    run.out = program.readAllStandardOutput();
    run.err = program.readAllStandardError();
    return run;
}

void VelmoraCliTest::printsWhatTheWindowMakes_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("files");

    QTest::addRow("form for the sample") << u"form"_s << QStringList{u"mug.tqf"_s};
    QTest::addRow("forms in the order given, repeats kept")
        << u"form"_s << QStringList{u"options.tqf"_s, u"mug.tqf"_s, u"accents.tqf"_s, u"mug.tqf"_s};
    QTest::addRow("links") << u"link"_s << QStringList{u"accents.tqf"_s, u"mug.tqf"_s};
    QTest::addRow("link for a grayed option set") << u"link"_s << QStringList{u"grayed.tqf"_s};
}

void VelmoraCliTest::printsWhatTheWindowMakes() {
    QFETCH(QString, command);
    QFETCH(QStringList, files);

    const CliRun result = run(QStringList{command} + files, *m_store);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exit, int(CliExit::Done));
    QCOMPARE(result.out, expectedLines(command, files, StoredSettings));
}

void VelmoraCliTest::optionsReplaceSettingsOneByOne_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<MerchantSettings>("settings");

    const auto with = [](QString MerchantSettings::*field, const QString& value) {
        MerchantSettings settings = StoredSettings;
        settings.*field = value;
        return settings;
    };
    QTest::addRow("email") << QStringList{u"--email"_s, u"other@example.com"_s}
                           << with(&MerchantSettings::eMail, u"other@example.com"_s);
    QTest::addRow("store logo") << QStringList{u"--store-logo=L"_s} << with(&MerchantSettings::StoreLogo, u"L"_s);
    QTest::addRow("button image") << QStringList{u"--button-image"_s, u"B"_s}
                                  << with(&MerchantSettings::ButtonImageURL, u"B"_s);
    QTest::addRow("success url") << QStringList{u"--success-url"_s, u"S"_s}
                                 << with(&MerchantSettings::PurchaseSuccessURL, u"S"_s);
    QTest::addRow("cancel url") << QStringList{u"--cancel-url"_s, u"C"_s}
                                << with(&MerchantSettings::PurchaseCancelURL, u"C"_s);
    QTest::addRow("shopping url") << QStringList{u"--shopping-url"_s, u"https://shop.example/?a=1&b=é"_s}
                                  << with(&MerchantSettings::ShoppingURL, u"https://shop.example/?a=1&b=é"_s);
    QTest::addRow("empty value empties") << QStringList{u"--store-logo"_s, u""_s}
                                         << with(&MerchantSettings::StoreLogo, u""_s);
    QTest::addRow("given twice, the last counts")
        << QStringList{u"--email=a"_s, u"--email=b"_s} << with(&MerchantSettings::eMail, u"b"_s);
}

void VelmoraCliTest::optionsReplaceSettingsOneByOne() {
    QFETCH(QStringList, options);
    QFETCH(MerchantSettings, settings);

    for (const QString& command : {u"form"_s, u"link"_s}) {
        const CliRun result = run(QStringList{command, u"accents.tqf"_s} + options, *m_store);
        QCOMPARE(result.exit, int(CliExit::Done));
        QCOMPARE(result.out, expectedLines(command, {u"accents.tqf"_s}, settings));
    }
}

void VelmoraCliTest::sandboxAndLiveOverTheStoredSetting_data() {
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("sandbox");

    for (const bool stored : {false, true}) {
        const char* store = stored ? "stored sandbox" : "stored live";
        QTest::addRow("%s", store) << stored << QStringList{} << stored;
        QTest::addRow("%s, --sandbox", store) << stored << QStringList{u"--sandbox"_s} << true;
        QTest::addRow("%s, --live", store) << stored << QStringList{u"--live"_s} << false;
        QTest::addRow("%s, --live then --sandbox", store) << stored << QStringList{u"--live"_s, u"--sandbox"_s} << true;
        QTest::addRow("%s, --sandbox then --live", store)
            << stored << QStringList{u"--sandbox"_s, u"--live"_s} << false;
    }
}

void VelmoraCliTest::sandboxAndLiveOverTheStoredSetting() {
    QFETCH(bool, stored);
    QFETCH(QStringList, options);
    QFETCH(bool, sandbox);
    MerchantSettings settings = StoredSettings;
    settings.UseSandbox = stored;
    SettingsStore store(m_dir.filePath(u"sandbox-%1/Trevanto.ini"_s.arg(stored)));
    QVERIFY(saveMerchantSettings(store, settings));
    settings.UseSandbox = sandbox;

    for (const QString& command : {u"form"_s, u"link"_s}) {
        const CliRun result = run(QStringList{command, u"mug.tqf"_s} + options, store);
        QCOMPARE(result.exit, int(CliExit::Done));
        QCOMPARE(result.out.contains(u"https://www.sandbox.paypal.com/"_s), sandbox);
        QCOMPARE(result.out, expectedLines(command, {u"mug.tqf"_s}, settings));
    }
}

void VelmoraCliTest::warnsOfASandboxSwitchItCannotRead_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("sandbox");
    QTest::addColumn<bool>("warns");

    QTest::addRow("the stored switch") << QStringList{} << true << true;
    QTest::addRow("--live given") << QStringList{u"--live"_s} << false << false;
    QTest::addRow("--sandbox given") << QStringList{u"--sandbox"_s} << true << false;
}

void VelmoraCliTest::warnsOfASandboxSwitchItCannotRead() {
    QFETCH(QStringList, options);
    QFETCH(bool, sandbox);
    QFETCH(bool, warns);
    SettingsStore store(m_dir.filePath(u"misread/Trevanto.ini"_s));
    store.saveSetting(u"Settings"_s, u"eMail"_s, StoredSettings.eMail);
    store.saveSetting(u"Settings"_s, u"UseSandbox"_s, u"maybe"_s);
    MerchantSettings settings{StoredSettings.eMail, {}, {}, {}, {}};
    settings.UseSandbox = sandbox;

    const CliRun result = run(QStringList{u"form"_s, u"mug.tqf"_s} + options, store);
    QCOMPARE(result.exit, int(CliExit::Done));
    QCOMPARE(result.out, expectedLines(u"form"_s, {u"mug.tqf"_s}, settings));
    QCOMPARE(result.err, warns ? u"velmora-cli: "_s + sandboxSwitchWarning(store) + u'\n' : QString());
}

void VelmoraCliTest::printsTheViewCart_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");

    QTest::addRow("form, sandbox, shopping url, non-ASCII account")
        << u"view-cart-form"_s
        << QStringList{u"--sandbox"_s, u"--shopping-url=https://shop.example/?a=1&b=2"_s, u"--email=café@example.com"_s}
        << uR"(<form target="paypal" action="https://www.sandbox.paypal.com/cgi-bin/webscr" method="post" )"
           uR"(accept-charset="utf-8"><input type="hidden" name="cmd" value="_cart">)"
           uR"(<input type="hidden" name="charset" value="utf-8">)"
           uR"(<input type="hidden" name="business" value="café@example.com">)"
           uR"(<input type="hidden" name="display" value="1">)"
           uR"(<input type="hidden" name="shopping_url" value="https://shop.example/?a=1&amp;b=2">)"
           uR"(<input type="image" src="https://www.paypal.com/en_US/i/btn/btn_viewcart_LG.gif" border="0" )"
           uR"(name="submit" alt="View Cart"></form>)"
           u"\n"_s;
    QTest::addRow("link, the stored settings")
        << u"view-cart-link"_s << QStringList{}
        << u"https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=shop@example.com\n"_s;
}

void VelmoraCliTest::printsTheViewCart() {
    QFETCH(QString, command);
    QFETCH(QStringList, options);
    QFETCH(QString, expected);

    const CliRun result = run(QStringList{command} + options, *m_store);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exit, int(CliExit::Done));
    QCOMPARE(result.out, expected);
}

void VelmoraCliTest::printsACataloguePage_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MerchantSettings>("settings");

    MerchantSettings sandbox = StoredSettings;
    sandbox.UseSandbox = true;
    sandbox.ShoppingURL = u"https://shop.example/"_s;
    QTest::addRow("in the order given, repeats kept")
        << QStringList{} << QStringList{u"options.tqf"_s, u"mug.tqf"_s, u"accents.tqf"_s, u"mug.tqf"_s} << QString()
        << StoredSettings;
    QTest::addRow("a title of its own") << QStringList{u"--title"_s, u"Café <& Co>"_s} << QStringList{u"mug.tqf"_s}
                                        << u"Café <& Co>"_s << StoredSettings;
    QTest::addRow("sandbox and shopping url")
        << QStringList{u"--sandbox"_s, u"--shopping-url"_s, u"https://shop.example/"_s}
        << QStringList{u"german.tqf"_s, u"grayed.tqf"_s} << QString() << sandbox;
}

void VelmoraCliTest::printsACataloguePage() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, files);
    QFETCH(QString, title);
    QFETCH(MerchantSettings, settings);

    const CliRun result = run(QStringList{u"page"_s} + options + files, *m_store);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exit, int(CliExit::Done));
    QCOMPARE(result.out, expectedLines(u"page"_s, files, settings, title));
}

// Whatever is made, a person running the program learns that its payments would reach no one; a script's output
// and exit status stay as they were.
void VelmoraCliTest::warnsOfAnAccountNoPaymentReaches_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("eMail");
    QTest::addColumn<bool>("warns");

    QTest::addRow("empty, form") << u"form"_s << QString() << true;
    QTest::addRow("the placeholder, page") << u"page"_s << QString(placeholderEmail) << true;
    QTest::addRow("no address, view-cart-link") << u"view-cart-link"_s << u"shop.example.com"_s << true;
    QTest::addRow("an address, link") << u"link"_s << u"shop@example.com"_s << false;
    QTest::addRow("a merchant ID, view-cart-form") << u"view-cart-form"_s << u"ABCDEFGHJK234"_s << false;
}

void VelmoraCliTest::warnsOfAnAccountNoPaymentReaches() {
    QFETCH(QString, command);
    QFETCH(QString, eMail);
    QFETCH(bool, warns);
    MerchantSettings settings = StoredSettings;
    settings.eMail = eMail;
    const QStringList files = filesFor(command, {u"mug.tqf"_s});

    const CliRun result = run(QStringList{command, u"--email"_s, eMail} + files, *m_store);
    QCOMPARE(result.err, warns ? AccountWarning : QString());
    QCOMPARE(result.exit, int(CliExit::Done));
    QCOMPARE(result.out, expectedLines(command, files, settings));
}

void VelmoraCliTest::readsPricesInTheLocaleAndCurrencyGiven_data() {
    QTest::addColumn<QString>("userLocale");
    QTest::addColumn<QString>("storedCurrency");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("expected"); // amount, currency, shipping, shipping2

    QTest::addRow("the user's locale by default")
        << u"de_DE"_s << u""_s << QStringList{} << QStringList{u"1234.50"_s, u""_s, u"2.50"_s, u"1"_s};
    QTest::addRow("the locale given over the user's") << u"en_US"_s << u""_s << QStringList{u"--locale"_s, u"de_DE"_s}
                                                      << QStringList{u"1234.50"_s, u""_s, u"2.50"_s, u"1"_s};
    QTest::addRow("a currency without cents, in any letter case")
        << u"de_DE"_s << u""_s << QStringList{u"--currency"_s, u"jpy"_s}
        << QStringList{u"1235"_s, u"JPY"_s, u"3"_s, u"1"_s};
    QTest::addRow("an empty currency sends none")
        << u"de_DE"_s << u""_s << QStringList{u"--currency=EUR"_s, u"--currency="_s}
        << QStringList{u"1234.50"_s, u""_s, u"2.50"_s, u"1"_s};
    QTest::addRow("the stored currency") << u"de_DE"_s << u"huf"_s << QStringList{}
                                         << QStringList{u"1235"_s, u"HUF"_s, u"3"_s, u"1"_s};
    QTest::addRow("the currency given over the stored one")
        << u"de_DE"_s << u"HUF"_s << QStringList{u"--currency"_s, u"EUR"_s}
        << QStringList{u"1234.50"_s, u"EUR"_s, u"2.50"_s, u"1"_s};
}

void VelmoraCliTest::readsPricesInTheLocaleAndCurrencyGiven() {
    QFETCH(QString, userLocale);
    QFETCH(QString, storedCurrency);
    QFETCH(QStringList, options);
    QFETCH(QStringList, expected);
    QLocale::setDefault(QLocale(userLocale));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    SettingsStore store(m_dir.filePath(u"currency/Trevanto.ini"_s));
    MerchantSettings settings;
    settings.Currency = storedCurrency;
    saveMerchantSettings(store, settings);

    const CliRun link = run(QStringList{u"link"_s, u"german.tqf"_s} + options, store);
    QCOMPARE(link.exit, int(CliExit::Done));
    const QString currency = expected[1].isEmpty() ? QString() : u"&currency_code="_s + expected[1];
    QVERIFY2(link.out.contains(
                 u"&amount=%1%2&shipping=%3&shipping2=%4&"_s.arg(expected[0], currency, expected[2], expected[3])),
             qPrintable(link.out));
}

// The rows an item file can hold: Windows-1252 has no Arabic digits, for one.
void VelmoraCliTest::readsMoneyAsMerchantsTypeIt_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("payment");
    for (const TypedMoney& money : TypedMoneyTexts) {
        if (encodeItemRecord(recordWith({{ItemValueId::Price, money.typed}})).ok())
            QTest::addRow("%s, %s", money.locale, money.what) << money.locale << money.typed << money.payment;
    }
}

void VelmoraCliTest::readsMoneyAsMerchantsTypeIt() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, payment);
    const QString file = m_dir.filePath(u"typed.tqf"_s);
    writeItem(file, recordWith({{ItemValueId::Price, typed}}));

    const CliRun form = run({u"form"_s, u"--locale"_s, locale, file}, *m_store);
    QCOMPARE(form.exit, int(CliExit::Done));
    QVERIFY2(form.out.contains(uR"(name="amount" value="%1">)"_s.arg(payment)), qPrintable(form.out));
}

// Items written as a merchant's editor or another program might: value lines, then a classic record.
void VelmoraCliTest::followsEachItemsKindAndValues_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<QByteArray>>("items"); // each item's value lines
    QTest::addColumn<int>("exit");
    QTest::addColumn<QStringList>("present"); // in what is printed, or in the error when refused
    QTest::addColumn<QStringList>("absent");

    const auto field = [](const char* name, const char* value) {
        return u"name=\"%1\" value=\"%2\""_s.arg(QLatin1StringView(name), QLatin1StringView(value));
    };
    const QByteArray subscription = "#type=subscribe\r\n#sub.period=1\r\n#sub.unit=Y\r\n#sub.times=12\r\n"
                                    "#trial.amount=1.00\r\n#trial.period=7\r\n#trial.unit=D\r\n";
    const QByteArray options = "#option1\r\n#set1.price.0=10.00\r\n#set1.price.1=12.50\r\n";
    QTest::addRow("buy-now form") << u"form"_s << QList<QByteArray>{"#type=buy-now\r\n"} << 0
                                  << QStringList{field("cmd", "_xclick")} << QStringList{u"name=\"add\""_s};
    QTest::addRow("buy-now link") << u"link"_s << QList<QByteArray>{"#type=buy-now\r\n"} << 0
                                  << QStringList{u"/cgi-bin/webscr?cmd=_xclick&business="_s} << QStringList{};
    QTest::addRow("donate form without a price")
        << u"form"_s << QList<QByteArray>{"#type=donate\r\n#price=\r\n"} << 0 << QStringList{field("cmd", "_donations")}
        << QStringList{u"name=\"amount\""_s};
    QTest::addRow("subscribe form") << u"form"_s << QList<QByteArray>{subscription} << 0
                                    << QStringList{field("cmd", "_xclick-subscriptions"),
                                                   field("a3", "5.00"),
                                                   field("p3", "1"),
                                                   field("t3", "Y"),
                                                   field("srt", "12"),
                                                   field("a1", "1.00"),
                                                   field("p1", "7"),
                                                   field("t1", "D")}
                                    << QStringList{u"name=\"amount\""_s};
    QTest::addRow("subscribe link refused") << u"link"_s << QList<QByteArray>{subscription} << 2
                                            << QStringList{u"Couldn't make a link for"_s} << QStringList{};
    QTest::addRow("priced options") << u"form"_s << QList<QByteArray>{options} << 0
                                    << QStringList{field("option_index", "0"), field("option_select0", "S"),
                                                   field("option_amount0", "10.00"), field("option_select1", "L"),
                                                   field("option_amount1", "12.50")}
                                    << QStringList{u"name=\"amount\""_s};
    QTest::addRow("quantity, tax, handling, weight, advanced")
        << u"form"_s
        << QList<QByteArray>{"#type=buy-now\r\n#qty.buyer=1\r\n#qty.max=5\r\n#tax_rate=7.50\r\n#handling=2.00\r\n"
                             "#weight=1.5\r\n#weight.unit=kgs\r\n#advanced=invoice%3DA-1%0D%0Acustom%3Da%20b\r\n"}
        << 0 << QStringList{field("undefined_quantity", "1"),
                            field("tax_rate", "7.5"),
                            field("handling", "2.00"),
                            field("weight", "1.5"),
                            field("weight_unit", "kgs"),
                            field("invoice", "A-1"),
                            field("custom", "a b")}
        << QStringList{};
    QTest::addRow("a kind this version does not know")
        << u"form"_s << QList<QByteArray>{"#type=gift-card\r\n"} << 2
        << QStringList{u"\"type\" reads \"gift-card\", where it takes \"cart\", \"buy-now\", \"donate\", "
                       u"\"subscribe\""_s}
        << QStringList{};
    QTest::addRow("a unit it does not know")
        << u"form"_s << QList<QByteArray>{"#type=subscribe\r\n#sub.period=1\r\n#sub.unit=Q\r\n"} << 2
        << QStringList{u"\"sub.unit\" reads \"Q\""_s} << QStringList{};
    QTest::addRow("a subscription without its period") << u"form"_s << QList<QByteArray>{"#type=subscribe\r\n"} << 2
                                                       << QStringList{u"Couldn't make a form for"_s} << QStringList{};
    QTest::addRow("some options without a price")
        << u"form"_s << QList<QByteArray>{"#option1\r\n#set1.price.0=10.00\r\n"} << 2
        << QStringList{u"Couldn't make a form for"_s} << QStringList{};
    QTest::addRow("page with a cart item shows View Cart") << u"page"_s << QList<QByteArray>{"#type=donate\r\n", ""}
                                                           << 0 << QStringList{field("display", "1")} << QStringList{};
    QTest::addRow("page without one does not")
        << u"page"_s << QList<QByteArray>{"#type=donate\r\n", "#type=buy-now\r\n"} << 0 << QStringList{}
        << QStringList{field("display", "1")};
}

void VelmoraCliTest::followsEachItemsKindAndValues() {
    QFETCH(QString, command);
    QFETCH(QList<QByteArray>, items);
    QFETCH(int, exit);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);

    using namespace ItemValueId;
    QStringList files;
    for (const QByteArray& lines : items) {
        // "#option1" stands for a drop-down set 1 of two values, "#price=" for no price: both are classic fields.
        ItemRecord record = recordWith({{ItemName, u"Gift"_s}, {Price, lines.contains("#price=") ? u""_s : u"5.00"_s}});
        if (lines.contains("#option1\r\n")) {
            for (const auto& [id, text] : {std::pair<int, QString>{Option1Active, u"1"_s},
                                           {Option1Name, u"Size"_s},
                                           {Option1DropDown, u"1"_s},
                                           {Option1Values, u"S"_s},
                                           {Option1Values + 1, u"L"_s}})
                record[id] = text;
        }
        QByteArray valueLines = lines;
        valueLines.replace("#option1\r\n", "").replace("#price=\r\n", "");
        files << u"kind%1.tqf"_s.arg(files.size());
        writeFile(files.last(), valueLines + encodeItemRecord(record).bytes);
    }
    const CliRun result = run(QStringList{command} + files, *m_store);
    QVERIFY2(result.exit == exit, qPrintable(result.err));
    const QString& said = exit == 0 ? result.out : result.err;
    for (const QString& fragment : present)
        QVERIFY2(said.contains(fragment), qPrintable(fragment + u" is not in: "_s + said));
    for (const QString& fragment : absent)
        QVERIFY2(!said.contains(fragment), qPrintable(fragment + u" is in: "_s + said));
}

void VelmoraCliTest::refusesAndPrintsNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QStringList>("errorLines");

    const QString missing = u"velmora-cli: Couldn't open \"missing.tqf\": No such file or directory."_s;
    const QString broken = u"velmora-cli: Couldn't open \"broken.tqf\": not an item file (40 field separators "
                           u"where an item has 36)."_s;
    const QString options = u"velmora-cli: Couldn't make a link for \"options.tqf\": its option set 1 is in use, "
                            u"and a link carries no options; make a form for it instead."_s;
    const QString tryHelp = u"Try \"velmora-cli --help\"."_s;

    QTest::addRow("a missing file among good ones")
        << QStringList{u"form"_s, u"mug.tqf"_s, u"missing.tqf"_s, u"options.tqf"_s} << 2 << QStringList{missing};
    QTest::addRow("not an item file") << QStringList{u"form"_s, u"broken.tqf"_s} << 2 << QStringList{broken};
    QTest::addRow("link for an item with options")
        << QStringList{u"link"_s, u"mug.tqf"_s, u"options.tqf"_s} << 2 << QStringList{options};
    QTest::addRow("every bad file named, in order")
        << QStringList{u"link"_s, u"options.tqf"_s, u"mug.tqf"_s, u"missing.tqf"_s, u"broken.tqf"_s} << 2
        << QStringList{options, missing, broken};
    QTest::addRow("page: a missing file among good ones")
        << QStringList{u"page"_s, u"mug.tqf"_s, u"missing.tqf"_s} << 2 << QStringList{missing};
    QTest::addRow("page: not an item file")
        << QStringList{u"page"_s, u"broken.tqf"_s, u"mug.tqf"_s} << 2 << QStringList{broken};
    const QString commands = u"form, link, view-cart-form, view-cart-link, page, publish, unpublish or links"_s;
    QTest::addRow("no command") << QStringList{} << 1
                                << QStringList{u"velmora-cli: Say what to make: %1."_s.arg(commands), tryHelp};
    QTest::addRow("unknown command") << QStringList{u"draw"_s, u"mug.tqf"_s} << 1
                                     << QStringList{u"velmora-cli: Unknown command \"draw\": say %1."_s.arg(commands),
                                                    tryHelp};
    QTest::addRow("no file") << QStringList{u"form"_s} << 1
                             << QStringList{u"velmora-cli: Name at least one item file."_s, tryHelp};
    QTest::addRow("page without a file") << QStringList{u"page"_s, u"--title=Shop"_s} << 1
                                         << QStringList{u"velmora-cli: Name at least one item file."_s, tryHelp};
    QTest::addRow("view cart with a file")
        << QStringList{u"view-cart-link"_s, u"mug.tqf"_s} << 1
        << QStringList{u"velmora-cli: view-cart-link takes no item files."_s, tryHelp};
    QTest::addRow("a title for a form") << QStringList{u"form"_s, u"--title=Shop"_s, u"mug.tqf"_s} << 1
                                        << QStringList{u"velmora-cli: --title is for the page command only."_s,
                                                       tryHelp};
    QTest::addRow("unknown option") << QStringList{u"form"_s, u"--colour=red"_s, u"mug.tqf"_s} << 1
                                    << QStringList{u"velmora-cli: Unknown option 'colour'."_s, tryHelp};
    QTest::addRow("unknown currency")
        << QStringList{u"form"_s, u"--currency=EURO"_s, u"mug.tqf"_s} << 1
        << QStringList{u"velmora-cli: Unknown currency \"EURO\": say one of AUD, BRL, CAD, CHF, CNY, CZK, DKK, EUR, "
                       u"GBP, HKD, HUF, ILS, JPY, MXN, MYR, NOK, NZD, PHP, PLN, SEK, SGD, THB, TWD, USD."_s,
                       tryHelp};
    // Qt would read the prices by the C locale's rules, or drop the territory, without a word.
    for (const QString& name : {u"xx"_s, u"de_XX"_s})
        QTest::addRow("unknown locale %s", qPrintable(name))
            << QStringList{u"form"_s, u"--locale"_s, name, u"mug.tqf"_s} << 1
            << QStringList{u"velmora-cli: Unknown locale \"%1\": say one such as en_US, de_DE or fr_FR."_s.arg(name),
                           tryHelp};
    QTest::addRow("option without its value") << QStringList{u"form"_s, u"mug.tqf"_s, u"--email"_s} << 1
                                              << QStringList{u"velmora-cli: Missing value after '--email'."_s, tryHelp};
}

void VelmoraCliTest::refusesAndPrintsNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exit);
    QFETCH(QStringList, errorLines);

    const CliRun result = run(arguments, *m_store);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, errorLines.join(u'\n') + u'\n');
    QCOMPARE(result.exit, exit);
}

void VelmoraCliTest::refusesSettingsItCannotRead_data() {
    QTest::addColumn<QString>("storeFile");
    QTest::addColumn<bool>("refused");

    QTest::addRow("a file of no settings") << u"garbled.ini"_s << true;
    // Nothing can be saved there, but nothing was ever stored either: the defaults hold.
    QTest::addRow("a file where the settings folder belongs") << u"blocked/Trevanto.ini"_s << false;
}

void VelmoraCliTest::refusesSettingsItCannotRead() {
    QFETCH(QString, storeFile);
    QFETCH(bool, refused);
    for (const char* name : {"garbled.ini", "blocked"}) {
        QFile file(QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\neMail=shop@example.com\nthis is no setting\n");
    }
    const SettingsStore store(storeFile);
    QVERIFY(!store.problem().isEmpty());

    const CliRun result = run({u"form"_s, u"mug.tqf"_s}, store);
    if (refused) {
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, u"velmora-cli: "_s + store.problem() + u'\n');
        QCOMPARE(result.exit, int(CliExit::Refused));
    } else {
        QCOMPARE(result.err, AccountWarning);
        QCOMPARE(result.out,
                 expectedLines(u"form"_s, {u"mug.tqf"_s}, MerchantSettings{QString(placeholderEmail), {}, {}, {}, {}}));
        QCOMPARE(result.exit, int(CliExit::Done));
    }
}

// Only a whole item makes a line: what is not an item file, a damaged one, or one holding a value that may change
// what the button charges, is refused by name, and nothing is printed. Blank lines after the record, as a text
// editor may leave, are not the record, and an optional value it does not know is passed over.
void VelmoraCliTest::takesOnlyWholeItemFiles_data() {
    QTest::addColumn<QStringList>("files"); // after "form"; the last one is the file of the row
    QTest::addColumn<QString>("reason");    // empty when the file prints the sample's form

    const QByteArray mug = contentOf(u"mug.tqf"_s);
    const QByteArray record = mug.chopped(2); // without its CR LF
    QByteArray random(300, '\0');
    QRandomGenerator(11).fillRange(reinterpret_cast<quint32*>(random.data()), random.size() / 4);
    QByteArray withNul = mug;
    withNul[1] = '\0';

    const auto file = [](const QString& name, const QByteArray& bytes) {
        writeFile(name, bytes);
        return QStringList{name};
    };
    const QString notAnItem = u"not an item file"_s;
    const QString special = u"it is a device, pipe or socket"_s;
    QVERIFY(::mkfifo("pipe.tqf", 0600) == 0);
    QVERIFY(QFile::link(u"mug.tqf"_s, u"link.tqf"_s));
    QVERIFY(QDir().mkdir(u"folder.tqf"_s));

    QTest::addRow("README.md") << QStringList{QStringLiteral(VELMORA_SOURCE_DIR "/README.md")} << notAnItem;
    QTest::addRow("/etc/passwd") << QStringList{u"/etc/passwd"_s} << u"it holds no field separator"_s;
    QTest::addRow("empty file") << file(u"empty.tqf"_s, {}) << u"it is empty"_s;
    QTest::addRow("only blank lines") << file(u"blank.tqf"_s, "\r\n \t\r\n\n") << u"it is empty"_s;
    QTest::addRow("300 random bytes") << file(u"random.tqf"_s, random) << notAnItem;
    QTest::addRow("the executable itself") << QStringList{QStringLiteral(VELMORA_CLI_PATH)} << notAnItem;
    QTest::addRow("a NUL byte") << file(u"nul.tqf"_s, withNul) << u"it holds a NUL byte"_s;
    QTest::addRow("a record cut short after 40 bytes")
        << file(u"short.tqf"_s, mug.first(40)) << u"field separators where an item has 36"_s;
    QTest::addRow("text after the last separator")
        << file(u"trailing.tqf"_s, record + "x\r\n") << u"text after the last field separator"_s;
    QTest::addRow("a named pipe") << QStringList{u"pipe.tqf"_s} << special;
    QTest::addRow("a folder") << QStringList{u"folder.tqf"_s} << u"it is a folder"_s;
    QTest::addRow("/dev/null") << QStringList{u"/dev/null"_s} << special;

    QTest::addRow("a value of a newer Velmora")
        << file(u"newer.tqf"_s, "#price.tier=2\r\n" + mug)
        << u"a newer Velmora wrote it, with a value this version does not know: \"price.tier\""_s;
    QTest::addRow("a damaged line before the record")
        << file(u"damaged.tqf"_s, "Dear customer,\r\n" + mug) << u"line 1, \"Dear customer,\", is neither"_s;
    QTest::addRow("a key given twice") << file(u"twice.tqf"_s, "#x.a=1\r\n#x.a=2\r\n" + mug)
                                       << u"\"x.a\" is given twice"_s;

    QTest::addRow("blank lines after the record") << file(u"editor.tqf"_s, mug + "\r\n  \r\n\n") << QString();
    QTest::addRow("an optional value passed over") << file(u"optional.tqf"_s, "#x.later=a%20b\r\n" + mug) << QString();
    QTest::addRow("a link to an item file") << QStringList{u"link.tqf"_s} << QString();
    QTest::addRow("after --, a file named like an option")
        << QStringList{u"--"_s} + file(u"--email=evil@example.com"_s, mug) << QString();
}

void VelmoraCliTest::takesOnlyWholeItemFiles() {
    QFETCH(QStringList, files);
    QFETCH(QString, reason);

    // Blocking on a pipe no one writes to would never end: finishing at all shows it was not opened.
    const ProgramRun run = runProgram(QStringList{u"form"_s} + files);
    QVERIFY2(run.finished, "still waiting on the file");
    if (reason.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exit, int(CliExit::Done));
        QCOMPARE(run.out, expectedLines(u"form"_s, {u"mug.tqf"_s}, StoredSettings).toUtf8());
        return;
    }
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.exit, int(CliExit::Refused));
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.startsWith(u"velmora-cli: Couldn't open \"%1\": "_s.arg(files.last())), qPrintable(err));
    QVERIFY2(err.contains(reason), qPrintable(err));
    QCOMPARE(err.count(u'\n'), 1);
}

void VelmoraCliTest::opensNamesByteForByte_data() {
    QTest::addColumn<QByteArray>("name"); // as printf(1) writes it
    QTest::addColumn<QString>("error");   // empty when the sample's form is printed

    QTest::addRow("a Latin-1 name") << "caf\\351.tqf"_ba << QString();
    QTest::addRow("a Latin-1 name of no file")
        << "gone\\351.tqf"_ba << u"velmora-cli: Couldn't open \"gone\uFFFD.tqf\": No such file or directory.\n"_s;
}

// The arguments reach the file system as the shell passed them; a person reads the name with U+FFFD in it.
void VelmoraCliTest::opensNamesByteForByte() {
    QFETCH(QByteArray, name);
    QFETCH(QString, error);
    QVERIFY(::link("mug.tqf", "caf\xE9.tqf") == 0 || errno == EEXIST);

    const QString script = u"exec \"$0\" form \"$(printf '%1')\""_s.arg(QString::fromLatin1(name));
    const ProgramRun run = runProgram({u"-c"_s, script, QStringLiteral(VELMORA_CLI_PATH)}, u"/bin/sh"_s);
    QCOMPARE(QString::fromUtf8(run.err), error);
    QCOMPARE(run.exit, int(error.isEmpty() ? CliExit::Done : CliExit::Refused));
    QCOMPARE(run.out,
             error.isEmpty() ? expectedLines(u"form"_s, {u"mug.tqf"_s}, StoredSettings).toUtf8() : QByteArray());
}

void VelmoraCliTest::explainsItself() {
    const CliRun result = run({u"--help"_s}, *m_store);
    QCOMPARE(result.exit, int(CliExit::Done));
    QCOMPARE(result.err, QString());
    for (const QString& word : {u"form"_s, u"link"_s, u"--email"_s, u"--store-logo"_s, u"--button-image"_s,
                                u"--success-url"_s, u"--cancel-url"_s, u"--shopping-url"_s, u"--sandbox"_s, u"--live"_s,
                                u"--title"_s, u"page"_s, u"view-cart-form"_s, u"view-cart-link"_s, u"--currency"_s,
                                u"--locale"_s, u"--version"_s, u"ends the options"_s, u"Exit status"_s})
        QVERIFY2(result.out.contains(word), qPrintable(word));
}

void VelmoraCliTest::makesACatalogueOfAThousandItems() {
    QVERIFY(QDir().mkdir(u"catalogue"_s));
    QStringList files;
    for (int i = 0; i < 1000; ++i) {
        files << u"catalogue/item%1.tqf"_s.arg(i, 4, 10, QChar(u'0'));
        // Written plainly: a thousand synced saves would only time the disk.
        QFile file(files.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(encodeItemRecord(recordWith({{ItemValueId::ItemName, u"Item %1"_s.arg(i)},
                                                {ItemValueId::Price, u"%1.00"_s.arg(i)}}))
                       .bytes);
    }

    for (const QString& command : {u"form"_s, u"page"_s}) {
        QElapsedTimer timer;
        timer.start();
        const CliRun result = run(QStringList{command} + files, *m_store);
        qInfo("1000 item files made into %s in %lld ms", qPrintable(command), timer.elapsed());

        QCOMPARE(result.exit, int(CliExit::Done));
        QCOMPARE(result.out, expectedLines(command, files, StoredSettings));
    }
}

void VelmoraCliTest::runsWithoutADisplayAndLeavesTheStoreAlone() {
    const QByteArray storedBytes = contentOf(m_homeStore);
    const QStringList storedTree = treeOf(m_dir.filePath(u"home"_s));

    const ProgramRun made = runProgram({u"form"_s, u"accents.tqf"_s, u"mug.tqf"_s});
    QCOMPARE(made.err, QByteArray());
    QCOMPARE(made.exit, int(CliExit::Done));
    QCOMPARE(made.out, expectedLines(u"form"_s, {u"accents.tqf"_s, u"mug.tqf"_s}, StoredSettings).toUtf8());

    const ProgramRun failed = runProgram({u"link"_s, u"mug.tqf"_s, u"missing.tqf"_s});
    QCOMPARE(failed.exit, int(CliExit::Refused));
    QCOMPARE(failed.out, QByteArray());
    QVERIFY(failed.err.contains("missing.tqf"));

    QCOMPARE(contentOf(m_homeStore), storedBytes);
    QCOMPARE(treeOf(m_dir.filePath(u"home"_s)), storedTree);
}

QTEST_GUILESS_MAIN(VelmoraCliTest)
#include "VelmoraCliTest.moc"
