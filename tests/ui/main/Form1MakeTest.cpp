#include "ui/main/Form1.h"

#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/ShopPage.h"
#include "generate/ViewCart.h"
#include "model/MerchantAccount.h"
#include "store/MerchantStore.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/Twips.h"

#include "support/DialogAnswers.h"
#include "support/IniFiles.h"
#include "support/StandInOpener.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The Make menu, the preview in the browser, the sandbox in the title and the warning of an unusable account.
class Form1MakeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleTellsOfTheSandbox_data();
    void titleTellsOfTheSandbox();
    void makeMenuStandsBetweenFileAndOptions();
    void makeCommandsPublishTheirText_data();
    void makeCommandsPublishTheirText();
    void makeLinkFollowsTheLinkButton_data();
    void makeLinkFollowsTheLinkButton();
    void accountWarningStaysUntilAUsableEmailIsSaved();
    void statusLineTellsOfTheMoneyTyped_data();
    void statusLineTellsOfTheMoneyTyped();
    void statusLineShowsTheNewest();
    void itemsKindAndValuesShapeWhatIsMade_data();
    void itemsKindAndValuesShapeWhatIsMade();
    void previewOpensAPrivatePageInTheBrowser();
    void previewThatCannotBeWrittenIsToldOnce_data();
    void previewThatCannotBeWrittenIsToldOnce();
    void previewWithoutARuntimeFolderStaysOutOfSharedOnes_data();
    void previewWithoutARuntimeFolderStaysOutOfSharedOnes();
    void previewRefusesACacheFolderOthersCouldEnter_data();
    void previewRefusesACacheFolderOthersCouldEnter();

private:
    QString storeFile() const { return m_dir->filePath(u"config/Trevanto.ini"_s); }
    void start(const QByteArray& settings);
    QString code() const { return m_ui->find<QPlainTextEdit>(u"txtCode"_s)->toPlainText(); }
    // What the status line shows; empty while it is hidden.
    QString statusLine() const {
        auto* line = m_ui->find<QLabel>(u"lblStatusLine"_s);
        return line->isVisible() ? line->text() : QString();
    }
    // Types into the money field and leaves it for the code box.
    void typeAndLeave(const QString& field, const QString& text) {
        typeInto(m_ui->find<QLineEdit>(field), text);
        QTest::mouseClick(m_ui->find<QPlainTextEdit>(u"txtCode"_s), Qt::LeftButton);
    }
    // Saves the options dialog with the box or check box changed as given.
    void saveOptions(const QString& control, const QString& text = {});
    // Without a runtime folder the page goes into the cache folder, here the test's own.
    QString withoutRuntimeFolder();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DialogAnswers> m_dialogs;
    std::unique_ptr<Form1> m_window;
    std::optional<WindowDriver> m_ui;
    QByteArray m_runtimeDir;
    std::optional<QByteArray> m_cacheHome;
};

void Form1MakeTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = std::make_unique<DialogAnswers>();
    m_runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    QVERIFY(QDir().mkpath(m_dir->filePath(u"runtime"_s)));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir->filePath(u"runtime"_s)));
}

void Form1MakeTest::cleanup() {
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir);
    if (m_cacheHome)
        qputenv("XDG_CACHE_HOME", *std::exchange(m_cacheHome, std::nullopt));
    m_ui.reset();
    m_window.reset();
    QCOMPARE(m_dialogs->problems(), QString());
    m_dialogs.reset();
}

// Not a first start, so no prompt comes between the window and the test; a client ID saved, so that the cart's
// retirement is not told over the lines these tests read.
void Form1MakeTest::start(const QByteArray& settings) {
    QVERIFY(writeIniFile(storeFile(),
                         "[Settings]\nHasBeenRun=True\nItemName=Mug\nPrice=5.00\nClientID=some-app\n" + settings));
    m_window = startWindow(storeFile());
    m_ui.emplace(*m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void Form1MakeTest::saveOptions(const QString& control, const QString& text) {
    m_ui->choose(u"mnuOptions"_s);
    frmOptions* dialog = openWindows<frmOptions>().value(0);
    QVERIFY(dialog);
    if (auto* box = dialog->findChild<QLineEdit*>(control))
        typeInto(box, text);
    else
        clickOn(dialog->findChild<QCheckBox*>(control));
    clickOn(dialog->findChild<QPushButton*>(u"Command2"_s)); // Save and Keep Open.
}

void Form1MakeTest::titleTellsOfTheSandbox_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("toggled"); // in the options dialog, which is then saved
    QTest::addColumn<bool>("sandbox");

    QTest::addRow("live") << QByteArray() << false << false;
    QTest::addRow("sandbox from the store") << QByteArray("UseSandbox=True\n") << false << true;
    QTest::addRow("sandbox turned on") << QByteArray() << true << true;
    QTest::addRow("sandbox turned off") << QByteArray("UseSandbox=True\n") << true << false;
}

void Form1MakeTest::titleTellsOfTheSandbox() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, toggled);
    QFETCH(bool, sandbox);
    start(stored);
    if (toggled)
        saveOptions(u"chkSandbox"_s);
    const QString live = u"Velmora for the Paypal Shopping Cart System."_s;
    QCOMPARE(m_window->windowTitle(), sandbox ? live + u" (sandbox: test payments only)"_s : live);
}

void Form1MakeTest::makeMenuStandsBetweenFileAndOptions() {
    start({});
    QStringList bar;
    for (QAction* action : m_window->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, QStringList({"&File", "&Make", "&Options", "&About", "&Help"}));
    QStringList items; // "-" for a separator
    for (QAction* action : m_ui->find<QMenu>(u"mnuMake"_s)->actions())
        items << (action->isSeparator() ? u"-"_s : action->text() + u' ' + action->shortcut().toString());
    QCOMPARE(items, QStringList({"&Button / Form Ctrl+B", "&Link Ctrl+L", "-", "&View Cart Button ", "View &Cart Link ",
                                 "-", "Pre&view in Browser F5", "-", "&Publish as Payment Link ",
                                 "Payment Link &QR Code... ", "Payment Link Bu&tton "}));
}

void Form1MakeTest::makeCommandsPublishTheirText_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("eMail"); // its line in the store, if any
    QTest::addColumn<bool>("warned");

    const QByteArray usable = "eMail=h\xc3\xa4ndler@example.com\n";
    QTest::addRow("Button / Form") << "mnuMakeForm" << usable << false;
    QTest::addRow("Link") << "mnuMakeLink" << usable << false;
    QTest::addRow("View Cart Button") << "mnuViewCartForm" << usable << false;
    QTest::addRow("View Cart Link") << "mnuViewCartLink" << usable << false;
    QTest::addRow("Make a Link") << "cmdMakeLink" << usable << false;
    QTest::addRow("button, placeholder e-mail") << "cmdMakeForm" << QByteArray() << true;
    QTest::addRow("link, empty e-mail") << "mnuMakeLink" << QByteArray("eMail=\n") << true;
    QTest::addRow("view cart, mistyped e-mail") << "mnuViewCartForm" << QByteArray("eMail=shop.example.com\n") << true;
}

// Each puts its text in the code box and on the clipboard in place of what they held, and starts the notice, which
// shows at its first tick; an unusable account adds the warning.
void Form1MakeTest::makeCommandsPublishTheirText() {
    QFETCH(QString, command);
    QFETCH(QByteArray, eMail);
    QFETCH(bool, warned);
    start(eMail + "UseSandbox=True\nShoppingURL=https://shop.example/?a=1&b=2\n");
    const velmora::MerchantSettings settings = velmora::loadMerchantSettings(velmora::SettingsStore(storeFile()));
    const velmora::CartItem item = m_window->currentItem();
    const QHash<QString, QString> expected{
        {u"mnuMakeForm"_s, velmora::BuildButtonForm(item, settings, velmora::moneyLocale())},
        {u"cmdMakeForm"_s, velmora::BuildButtonForm(item, settings, velmora::moneyLocale())},
        {u"mnuMakeLink"_s, velmora::BuildCartLink(item, settings, velmora::moneyLocale())},
        {u"cmdMakeLink"_s, velmora::BuildCartLink(item, settings, velmora::moneyLocale())},
        {u"mnuViewCartForm"_s, velmora::BuildViewCartForm(settings)},
        {u"mnuViewCartLink"_s, velmora::BuildViewCartLink(settings)},
    };
    m_ui->find<QPlainTextEdit>(u"txtCode"_s)->setPlainText(u"earlier output"_s);
    QGuiApplication::clipboard()->setText(u"something else"_s);

    if (command.startsWith(u"cmd"))
        m_ui->click(command);
    else
        m_ui->choose(command);
    QCOMPARE(code(), expected[command]);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected[command]);
    QVERIFY(m_ui->find<QTimer>(u"Timer1"_s)->isActive());
    QVERIFY(!m_ui->shown(u"lblCopiedtoClipboard"_s));

    auto* warning = m_ui->find<QLabel>(u"lblStatusLine"_s);
    QCOMPARE(warning->isVisible(), warned);
    if (warned)
        QCOMPARE(warning->text(), QString(velmora::unusableAccountWarning));
    // Below the whole layout, which keeps its full height.
    QWidget* client = m_window->centralWidget();
    QVERIFY(client->height() >= velmora::fromTwips(6090));
    QVERIFY(warning->mapTo(m_window.get(), QPoint()).y() >= client->geometry().bottom());
}

void Form1MakeTest::makeLinkFollowsTheLinkButton_data() {
    QTest::addColumn<QList<int>>("option1"); // the values chkOption1Active is given in turn
    QTest::addColumn<bool>("enabled");

    QTest::addRow("no option set") << QList<int>() << true;
    QTest::addRow("option set 1 in use") << QList<int>{1} << false;
    QTest::addRow("then grayed") << QList<int>{1, 2} << false;
    QTest::addRow("out of use again") << QList<int>{1, 0} << true;
}

void Form1MakeTest::makeLinkFollowsTheLinkButton() {
    QFETCH(QList<int>, option1);
    QFETCH(bool, enabled);
    start({});
    for (int value : option1)
        QVERIFY(velmora::setCheckValue(*m_ui->find<QCheckBox>(u"chkOption1Active"_s), value));
    QCOMPARE(m_ui->find<QPushButton>(u"cmdMakeLink"_s)->isEnabled(), enabled);
    QCOMPARE(m_ui->find<QAction>(u"mnuMakeLink"_s)->isEnabled(), enabled);
}

void Form1MakeTest::accountWarningStaysUntilAUsableEmailIsSaved() {
    start({});
    auto* warning = m_ui->find<QLabel>(u"lblStatusLine"_s);
    QVERIFY(!warning->isVisible());
    m_ui->choose(u"mnuMakeForm"_s);
    QVERIFY(warning->isVisible());

    saveOptions(u"txtEmail"_s, u"still wrong@example.com"_s);
    QVERIFY(warning->isVisible());
    saveOptions(u"txtEmail"_s, u"ABCDEFGHJK234"_s); // a merchant ID
    QVERIFY(!warning->isVisible());
    m_ui->choose(u"mnuMakeLink"_s);
    QVERIFY(!warning->isVisible());
}

void Form1MakeTest::statusLineTellsOfTheMoneyTyped_data() {
    QTest::addColumn<QByteArray>("currency"); // its line in the store, if any
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told"); // empty: nothing, and the line stays hidden

    // clang-format off
    const QString price = u"txtPrice"_s;
    QTest::addRow("no number") << QByteArray() << price << u"abc"_s
        << u"Price: \"abc\" holds no number and became 0.00"_s;
    QTest::addRow("no number in a shipping field") << QByteArray() << u"txtShipping1"_s << u"x"_s
        << u"Shipping (1st): \"x\" holds no number and became 0.00"_s;
    QTest::addRow("negative") << QByteArray() << u"txtShippingAdd"_s << u"(2)"_s
        << u"Shipping (add. items): \"(2)\" is negative, and the payment page takes no negative amount"_s;
    QTest::addRow("another currency than the merchant's") << QByteArray("Currency=usd\n") << price << u"€5"_s
        << u"Price: \"€5\" names another currency: the button charges in USD"_s;
    QTest::addRow("a symbol that may be the merchant's") << QByteArray("Currency=CAD\n") << price << u"$5"_s
        << QString();
    QTest::addRow("another currency than the locale's") << QByteArray() << price << u"5 €"_s
        << u"Price: \"5 €\" names another currency: the button charges in your account's own"_s;
    QTest::addRow("the locale's own") << QByteArray() << price << u"5 USD"_s << QString();
    QTest::addRow("negative, in another currency") << QByteArray("Currency=EUR\n") << price << u"-$5"_s
        << u"Price: \"-$5\" is negative, and the payment page takes no negative amount; "
           u"\"-$5\" names another currency: the button charges in EUR"_s;
    QTest::addRow("a price of nothing") << QByteArray() << price << u"0.001"_s
        << u"Price: the buyer would pay nothing"_s;
    QTest::addRow("an empty price") << QByteArray() << price << QString() << u"Price: the buyer would pay nothing"_s;
    QTest::addRow("free shipping") << QByteArray() << u"txtShipping1"_s << u"0"_s << QString();
    QTest::addRow("an ordinary price") << QByteArray() << price << u"7"_s << QString();
    // clang-format on
}

void Form1MakeTest::statusLineTellsOfTheMoneyTyped() {
    QFETCH(QByteArray, currency);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    start("eMail=shop@example.com\n" + currency);
    typeAndLeave(field, typed);
    QTRY_COMPARE(statusLine(), told);
}

// The newest message shows; a field's goes when its text changes, and the account warning comes back last.
void Form1MakeTest::statusLineShowsTheNewest() {
    start({});
    const QString account(velmora::unusableAccountWarning);
    const QString noNumber = u"Price: \"abc\" holds no number and became 0.00"_s;
    m_ui->choose(u"mnuMakeForm"_s);
    QCOMPARE(statusLine(), account);
    typeAndLeave(u"txtPrice"_s, u"abc"_s);
    QTRY_COMPARE(statusLine(), noNumber);
    typeAndLeave(u"txtShipping1"_s, u"-1"_s);
    QTRY_VERIFY(statusLine().startsWith(u"Shipping (1st): \"-1\" is negative"_s));

    typeInto(m_ui->find<QLineEdit>(u"txtShipping1"_s), u"1"_s);
    QCOMPARE(statusLine(), noNumber);
    typeInto(m_ui->find<QLineEdit>(u"txtPrice"_s), u"5"_s);
    QCOMPARE(statusLine(), account);

    // Emptied without leaving the field, then made: told all the same.
    m_ui->choose(u"mnuNew"_s);
    QCOMPARE(statusLine(), account);
    m_ui->choose(u"mnuMakeLink"_s);
    QCOMPARE(statusLine(), u"Price: the buyer would pay nothing"_s);
    saveOptions(u"txtEmail"_s, u"shop@example.com"_s);
    QCOMPARE(statusLine(), u"Price: the buyer would pay nothing"_s);
    m_ui->choose(u"mnuViewCartForm"_s);
    QCOMPARE(statusLine(), u"Price: the buyer would pay nothing"_s);
}

void Form1MakeTest::itemsKindAndValuesShapeWhatIsMade_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("made");       // what the form holds; empty: nothing is made
    QTest::addColumn<QString>("told");       // the message's text, if one is shown
    QTest::addColumn<QString>("statusLine"); // after the form was asked for
    QTest::addColumn<bool>("linkOffered");

    const QStringList priced{"set chkOption1Active=1", "select optSet1DropDown", "type txtOptSet1(0) S",
                             "type txtOptSet1(1) L",   "type txtOptPrice1(0) 5", "type txtOptPrice1(1) 7.5",
                             "type txtPrice "};
    // clang-format off
    QTest::addRow("buy now") << QStringList{"pick cboButtonType buy-now"}
        << u"name=\"cmd\" value=\"_xclick\""_s << QString() << QString() << true;
    QTest::addRow("subscription without its period") << QStringList{"pick cboButtonType subscribe"}
        << QString() << u"Couldn't make a form of this item:\n\nBilling period: give from 1 to 24 months"_s
        << u"Left out of the Subscribe button: the buyer's note"_s << false;
    QTest::addRow("subscription") << QStringList{"pick cboButtonType subscribe", "type txtSubPeriod 12"}
        << u"name=\"a3\" value=\"5.00\""_s << QString() << u"Left out of the Subscribe button: the buyer's note"_s
        << false;
    QTest::addRow("donation left to the donor") << QStringList{"pick cboButtonType donate", "type txtPrice "}
        << u"name=\"cmd\" value=\"_donations\""_s << QString() << QString() << true;
    QTest::addRow("donation of nothing") << QStringList{"pick cboButtonType donate", "type txtPrice 0"}
        << u"name=\"amount\" value=\"0\""_s << QString() << u"Price: the buyer would pay nothing"_s << true;
    QTest::addRow("donation with shipping") << QStringList{"pick cboButtonType donate", "type txtShipping1 2"}
        << u"name=\"amount\" value=\"5.00\""_s << QString()
        << u"Left out of the Donate button: shipping charges"_s << true;
    QTest::addRow("priced options") << priced
        << u"name=\"option_amount1\" value=\"7.50\""_s << QString() << QString() << false;
    QTest::addRow("priced options of a donation") << QStringList(priced) + QStringList{"pick cboButtonType donate"}
        << u"name=\"cmd\" value=\"_donations\""_s << QString()
        << u"Left out of the Donate button: option prices and option sets"_s << false;
    QTest::addRow("a value without a price") << QStringList(priced) + QStringList{"type txtOptPrice1(1) "}
        << QString()
        << u"Couldn't make a form of this item:\n\nOption set 1: give every value a price, or none; these have none: \"L\""_s
        << QString() << false;
    QTest::addRow("tax and weight out of range") << QStringList{"type txtTaxRate 101", "type txtWeight 0"}
        << QString()
        << u"Couldn't make a form of this item:\n\nTax rate: give a percentage from 0.001 to 100 with at most three "
           u"decimals\nWeight: give a weight above zero with at most two decimals"_s
        << QString() << true;
    // clang-format on
}

// Each kind of button is made as it takes the item's values; what is wrong is told and nothing is made; what the
// kind leaves out, and a price of nothing where the buyer pays it, are told on the status line.
void Form1MakeTest::itemsKindAndValuesShapeWhatIsMade() {
    QFETCH(QStringList, steps);
    QFETCH(QString, made);
    QFETCH(QString, told);
    QFETCH(QString, statusLine);
    QFETCH(bool, linkOffered);
    start("eMail=shop@example.com\n");
    m_ui->find<QPlainTextEdit>(u"txtCode"_s)->setPlainText(u"earlier output"_s);
    m_ui->run(steps);
    if (!told.isEmpty())
        m_dialogs->answerMessage(QMessageBox::Ok);
    m_ui->choose(u"mnuMakeForm"_s);
    QCOMPARE(m_dialogs->texts, told.isEmpty() ? QStringList() : QStringList{told});
    if (made.isEmpty())
        QCOMPARE(code(), u"earlier output"_s);
    else
        QVERIFY2(code().contains(made), qPrintable(code()));
    QCOMPARE(this->statusLine(), statusLine);
    QCOMPARE(m_ui->find<QAction>(u"mnuMakeLink"_s)->isEnabled(), linkOffered);
    // A subscription's terms are offered for a subscription alone.
    QCOMPARE(m_ui->find(u"txtTrialPeriod"_s)->isEnabled(), steps.contains(u"pick cboButtonType subscribe"_s));
}

void Form1MakeTest::previewOpensAPrivatePageInTheBrowser() {
    start("eMail=shop@example.com\nUseSandbox=True\n");
    const StandInOpener opener(m_dir->path());
    QVERIFY(opener.isReady());
    // An earlier copy anyone could read, and a umask that takes nothing away: the page must still be private.
    const QString page = m_dir->filePath(u"runtime/velmora-preview.html"_s);
    QVERIFY(writeIniFile(page, "old"));
    QVERIFY(QFile::setPermissions(page, QFile::Permissions(0x6666)));
    const mode_t umask = ::umask(0);
    const auto restoreUmask = qScopeGuard([umask] { ::umask(umask); });
    m_ui->find<QPlainTextEdit>(u"txtCode"_s)->setPlainText(u"earlier output"_s);
    QGuiApplication::clipboard()->setText(u"something else"_s);

    m_ui->choose(u"mnuPreview"_s);
    QTRY_VERIFY(!opener.opened().isEmpty());
    QCOMPARE(opener.opened(), QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded) + u'\n');
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(page).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0600u);
    const velmora::MerchantSettings settings = velmora::loadMerchantSettings(velmora::SettingsStore(storeFile()));
    QCOMPARE(QString::fromUtf8(readIniFile(page)),
             velmora::BuildPreviewPage(m_window->currentItem(), settings, velmora::moneyLocale()));
    QCOMPARE(code(), u"earlier output"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"something else"_s);

    QProcess parser;
    parser.setProcessChannelMode(QProcess::MergedChannels);
    parser.start(u"/usr/bin/python3"_s, {u"-B"_s, u"-E"_s, u"-s"_s, u"" VELMORA_STRICT_HTML ""_s, page});
    QVERIFY(parser.waitForFinished());
    QVERIFY2(parser.exitStatus() == QProcess::NormalExit && parser.exitCode() == 0, parser.readAll().constData());
}

void Form1MakeTest::previewThatCannotBeWrittenIsToldOnce_data() {
    QTest::addColumn<bool>("link"); // else the runtime folder is a file, which nothing can be written into

    QTest::addRow("runtime folder is a file") << false;
    // Following it would replace whatever it points to.
    QTest::addRow("page is a link") << true;
}

void Form1MakeTest::previewThatCannotBeWrittenIsToldOnce() {
    QFETCH(bool, link);
    const QString other = m_dir->filePath(u"other"_s);
    QVERIFY(writeIniFile(other, "x"));
    const QString folder = link ? m_dir->filePath(u"runtime"_s) : other;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    if (link)
        QVERIFY(QFile::link(other, folder + u"/velmora-preview.html"_s));
    start("eMail=shop@example.com\n");
    m_ui->find<QPlainTextEdit>(u"txtCode"_s)->setPlainText(u"earlier output"_s);

    m_dialogs->answerMessage(QMessageBox::Ok);
    m_ui->choose(u"mnuPreview"_s);
    QCOMPARE(m_dialogs->texts.size(), 1);
    const QString page = QDir::toNativeSeparators(folder + u"/velmora-preview.html"_s);
    QVERIFY2(m_dialogs->texts[0].contains(u'"' + page + u"\": "_s), qPrintable(m_dialogs->texts[0]));
    QCOMPARE(code(), u"earlier output"_s);
    QCOMPARE(readIniFile(other), QByteArray("x"));
}

QString Form1MakeTest::withoutRuntimeFolder() {
    qunsetenv("XDG_RUNTIME_DIR");
    m_cacheHome = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir->filePath(u"cache"_s)));
    return m_dir->filePath(u"cache/velmora"_s);
}

// Runs the command as a second user, the way another person logged in on the machine would.
// The command's "$1" and "$2" are the arguments.
static bool runAsAnotherUser(const QString& command, const QString& first, const QString& second) {
    return QProcess::execute(u"setpriv"_s, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, u"--"_s,
                                            u"/bin/sh"_s, u"-c"_s, command, u"sh"_s, first, second}) == 0;
}

void Form1MakeTest::previewWithoutARuntimeFolderStaysOutOfSharedOnes_data() {
    QTest::addColumn<QString>("planted"); // by another user, at the name the page once had in the shared folder
    QTest::addColumn<int>("folderMode");  // of a cache folder of the user's own made earlier; 0: none yet

    QTest::addRow("a link to the user's file") << u"ln -s \"$1\" \"$2\""_s << 0755;
    QTest::addRow("an empty file of theirs") << u": > \"$2\""_s << 0;
}

void Form1MakeTest::previewWithoutARuntimeFolderStaysOutOfSharedOnes() {
    QFETCH(QString, planted);
    QFETCH(int, folderMode);
    if (::geteuid() != 0)
        QSKIP("Acting as a second user needs root (setpriv); run the tests as root to see the shared folder kept out.");
    const QString folder = withoutRuntimeFolder();
    if (folderMode != 0) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);
    }
    const QString victim = m_dir->filePath(u"accounts.txt"_s);
    QVERIFY(writeIniFile(victim, "the user's own"));
    const QString shared = QDir::temp().filePath(u"velmora-preview.html"_s);
    QFile::remove(shared);
    QVERIFY(runAsAnotherUser(planted, victim, shared));
    const auto removePlanted = qScopeGuard([shared] { QFile::remove(shared); });
    // The planted name itself, never what a link points to.
    const auto plantedStatus = [&shared] {
        struct stat status {};
        ::lstat(QFile::encodeName(shared).constData(), &status);
        return std::tuple(status.st_ino, status.st_mode, status.st_uid, status.st_size, status.st_mtim.tv_nsec);
    };
    const auto before = plantedStatus();
    QCOMPARE(std::get<2>(before), 65534u);
    start("eMail=shop@example.com\n");
    const StandInOpener opener(m_dir->path());

    m_ui->choose(u"mnuPreview"_s);
    QTRY_VERIFY(!opener.opened().isEmpty());
    QCOMPARE(opener.opened().trimmed(), QUrl::fromLocalFile(folder + u"/velmora-preview.html"_s).toString());
    QCOMPARE(m_dialogs->texts, QStringList());
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0700u);
    QCOMPARE(readIniFile(victim), QByteArray("the user's own"));
    QVERIFY(plantedStatus() == before);
}

void Form1MakeTest::previewRefusesACacheFolderOthersCouldEnter_data() {
    QTest::addColumn<bool>("link"); // else a folder that belongs to another user

    QTest::addRow("the folder is a link") << true;
    QTest::addRow("the folder belongs to another user") << false;
}

void Form1MakeTest::previewRefusesACacheFolderOthersCouldEnter() {
    QFETCH(bool, link);
    if (!link && ::geteuid() != 0)
        QSKIP("Giving a folder to another user needs root.");
    const QString folder = withoutRuntimeFolder();
    const QString elsewhere = m_dir->filePath(u"elsewhere"_s);
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QDir().mkpath(m_dir->filePath(u"cache"_s)));
    if (link)
        QVERIFY(QFile::link(elsewhere, folder));
    else
        QVERIFY(QDir().mkpath(folder) && ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
    start("eMail=shop@example.com\n");
    const StandInOpener opener(m_dir->path());

    m_dialogs->answerMessage(QMessageBox::Ok);
    m_ui->choose(u"mnuPreview"_s);
    QCOMPARE(m_dialogs->texts.size(), 1);
    QVERIFY2(m_dialogs->texts[0].contains(QDir::toNativeSeparators(folder)), qPrintable(m_dialogs->texts[0]));
    QVERIFY(QDir(link ? elsewhere : folder).isEmpty());
    QCOMPARE(opener.opened(), QString());
}

QTEST_MAIN(Form1MakeTest)
#include "Form1MakeTest.moc"
