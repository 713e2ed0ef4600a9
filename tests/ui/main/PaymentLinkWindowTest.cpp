#include "ui/main/Form1.h"

#include "generate/PaymentLinkButton.h"
#include "paypal/Keyring.h"
#include "ui/dialogs/ClientSecrets.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/dialogs/frmQrCode.h"
#include "ui/kit/StatusLine.h"

#include "support/DialogAnswers.h"
#include "support/IniFiles.h"
#include "support/PaymentLinksStandIn.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QClipboard>
#include <QDirIterator>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <optional>

using namespace Qt::StringLiterals;

// Payment links from the window: published through the Make menu, their QR code and button, the credentials in the
// options dialog and the keyring, and the cart's retirement told. Run with a keyring of its own and without any.
class PaymentLinkWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void publishThroughTheMenu_data();
    void publishThroughTheMenu();
    void cancelEndsThePublishing();
    void qrCodeAndButtonFindTheLink_data();
    void qrCodeAndButtonFindTheLink();
    void testConnectionSaysWhetherItWorked_data();
    void testConnectionSaysWhetherItWorked();
    void secretIsKeptOutOfEveryFile();
    void retirementIsToldOnce_data();
    void retirementIsToldOnce();

private:
    void start(PaymentLinksStandIn& standIn, const QByteArray& settings = {});
    QString code() const { return m_ui->find<QPlainTextEdit>(u"txtCode"_s)->toPlainText(); }
    QString statusLine() const { return m_ui->find<QLabel>(u"lblStatusLine"_s)->text(); }
    // Publishes through the menu and waits until the window is done with it.
    void publish();
    frmOptions* openOptions();
    bool privateKeyring() const { return qgetenv("VELMORA_TEST_KEYRING") == "private"; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DialogAnswers> m_dialogs;
    std::unique_ptr<Form1> m_window;
    std::optional<WindowDriver> m_ui;
};

// Faults answered at a tenth of their waits; the client still waits as a careful one does.
void PaymentLinkWindowTest::initTestCase() {
    qputenv("VELMORA_PAYPAL_TIME_SCALE", "0.1");
}

void PaymentLinkWindowTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(u"config"_s)));
    m_dialogs = std::make_unique<DialogAnswers>();
}

void PaymentLinkWindowTest::cleanup() {
    m_ui.reset();
    m_window.reset();
    QCOMPARE(m_dialogs->problems(), QString());
    m_dialogs.reset();
}

// The stand-in's client ID is saved, its secret kept as the options dialog keeps one, and the item is a mug.
void PaymentLinkWindowTest::start(PaymentLinksStandIn& standIn, const QByteArray& settings) {
    QVERIFY(standIn.isListening());
    qputenv("VELMORA_PAYPAL_API", standIn.base().toUtf8());
    bool kept = false;
    QObject context;
    velmora::keepClientSecret(u"test-client"_s, u"test-secret"_s, &context, [&](const QString&) { kept = true; });
    QTRY_VERIFY(kept);
    const QString store = m_dir->filePath(u"config/Trevanto.ini"_s);
    QVERIFY(writeIniFile(store, "[Settings]\nHasBeenRun=True\nItemName=Mug\nItemID=MUG-1\nPrice=5.00\nCurrency=USD\n"
                                "ClientID=test-client\n" +
                                    settings));
    m_window = startWindow(store);
    m_ui.emplace(*m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void PaymentLinkWindowTest::publish() {
    m_ui->choose(u"mnuPublishLink"_s);
    QTRY_VERIFY(m_ui->find<QAction>(u"mnuPublishLink"_s)->isEnabled());
}

frmOptions* PaymentLinkWindowTest::openOptions() {
    m_ui->choose(u"mnuOptions"_s);
    return openWindows<frmOptions>().value(0);
}

void PaymentLinkWindowTest::publishThroughTheMenu_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QString>("message"); // a part of the one message shown; empty: the link is published

    QTest::newRow("created") << QStringList() << QByteArray() << QStringList{u"token"_s, u"list"_s, u"create"_s}
                             << QString();
    QTest::newRow("a server fault is retried")
        << QStringList{u"--fault"_s, u"create=500"_s} << QByteArray()
        << QStringList{u"token"_s, u"list"_s, u"create!500"_s, u"create"_s} << QString();
    QTest::newRow("no item ID: refused before sending")
        << QStringList() << QByteArray("ItemID=\n") << QStringList() << u"no item ID"_s;
    QTest::newRow("no currency: refused before sending")
        << QStringList() << QByteArray("Currency=\n") << QStringList() << u"needs a currency"_s;
    QTest::newRow("no client ID: nothing sent")
        << QStringList() << QByteArray("ClientID=\n") << QStringList() << u"enter them in Options"_s;
    QTest::newRow("refused by PayPal: shown")
        << QStringList{u"--fault"_s, u"create=403"_s} << QByteArray()
        << QStringList{u"token"_s, u"list"_s, u"create!403"_s} << u"Payment Links & Buttons"_s;
}

// A published link is the code box's and the clipboard's, as every output is; a refusal or failure is one message.
void PaymentLinkWindowTest::publishThroughTheMenu() {
    QFETCH(QStringList, faults);
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, requests);
    QFETCH(QString, message);
    PaymentLinksStandIn standIn(faults);
    start(standIn, settings);
    QGuiApplication::clipboard()->clear();
    if (!message.isEmpty())
        m_dialogs->answerMessage(QMessageBox::Ok);
    publish();
    const QJsonObject report = standIn.finish();
    QCOMPARE(PaymentLinksStandIn::texts(report[u"requests"_s]), requests);
    QCOMPARE(PaymentLinksStandIn::texts(report[u"violations"_s]), QStringList());
    if (message.isEmpty()) {
        QCOMPARE(m_dialogs->texts, QStringList());
        QCOMPARE(code(), report[u"links"_s].toArray().at(0)[u"payment_link"_s].toString());
        QCOMPARE(QGuiApplication::clipboard()->text(), code());
    } else {
        QCOMPARE(m_dialogs->texts.size(), 1);
        QVERIFY2(m_dialogs->texts.front().contains(message), qPrintable(m_dialogs->texts.front()));
        QCOMPARE(code(), QString());
    }
}

// While PayPal answers, the commands are withheld and the cancel button shown; cancelled, nothing is published
// and nothing is said but the status line.
void PaymentLinkWindowTest::cancelEndsThePublishing() {
    PaymentLinksStandIn standIn({u"--fault"_s, u"create=slow"_s, u"--slow"_s, u"2"_s});
    start(standIn);
    auto* command = m_ui->find<QAction>(u"mnuPublishLink"_s);
    auto* cancel = m_ui->find<QPushButton>(u"cmdCancelPublish"_s);
    m_ui->choose(u"mnuPublishLink"_s);
    QTRY_VERIFY(cancel->isVisible());
    QVERIFY(!command->isEnabled());
    QVERIFY(!m_ui->find<QAction>(u"mnuLinkQrCode"_s)->isEnabled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    QTRY_VERIFY(command->isEnabled());
    QVERIFY(!cancel->isVisible());
    QCOMPARE(code(), QString());
    QVERIFY2(statusLine().startsWith(u"Cancelled."_s), qPrintable(statusLine()));
}

void PaymentLinkWindowTest::qrCodeAndButtonFindTheLink_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("SVG") << u"link.svg"_s;
    QTest::newRow("PNG") << u"link.png"_s;
}

// Both find the item's link by its ID. The saved code is read back by a real decoder as the link.
void PaymentLinkWindowTest::qrCodeAndButtonFindTheLink() {
    QFETCH(QString, file);
    PaymentLinksStandIn standIn;
    start(standIn);
    publish();
    const QString link = code();
    QVERIFY(link.startsWith(u"http"_s));

    m_ui->choose(u"mnuLinkButton"_s);
    QTRY_COMPARE(code(), velmora::BuildPaymentLinkButton(link));

    m_ui->choose(u"mnuLinkQrCode"_s);
    QTRY_COMPARE(openWindows<frmQrCode>().size(), 1);
    const QString path = m_dir->filePath(file);
    m_dialogs->answerFileName(path);
    WindowDriver(*openWindows<frmQrCode>().front()).click(u"cmdSaveQrCode"_s);
    QString picture = path;
    if (path.endsWith(u".svg"_s)) {
        picture = m_dir->filePath(u"converted.png"_s);
        QCOMPARE(QProcess::execute(u"rsvg-convert"_s,
                                   {u"--dpi-x"_s, u"300"_s, u"--dpi-y"_s, u"300"_s, u"-o"_s, picture, path}),
                 0);
    }
    QProcess zbar;
    zbar.start(u"zbarimg"_s, {u"--raw"_s, u"-q"_s, picture});
    QVERIFY(zbar.waitForFinished());
    QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), link);
    QCOMPARE(PaymentLinksStandIn::texts(standIn.finish()[u"requests"_s]),
             (QStringList{u"token"_s, u"list"_s, u"create"_s, u"list"_s, u"list"_s}));
}

void PaymentLinkWindowTest::testConnectionSaysWhetherItWorked_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("said");
    QTest::newRow("works") << QStringList() << u"connection works"_s;
    QTest::newRow("403") << QStringList{u"--fault"_s, u"list=403"_s} << u"Payment Links & Buttons"_s;
}

// With what the boxes hold, before any save.
void PaymentLinkWindowTest::testConnectionSaysWhetherItWorked() {
    QFETCH(QStringList, faults);
    QFETCH(QString, said);
    PaymentLinksStandIn standIn(faults);
    start(standIn, "ClientID=\n");
    frmOptions* dialog = openOptions();
    QVERIFY(dialog);
    const WindowDriver options(*dialog);
    QCOMPARE(options.find<QLineEdit>(u"txtClientSecret"_s)->echoMode(), QLineEdit::Password);
    QCOMPARE(options.find<QLineEdit>(u"txtSandboxClientSecret"_s)->echoMode(), QLineEdit::Password);
    options.run(
        {u"type txtClientID test-client"_s, u"type txtClientSecret test-secret"_s, u"click cmdTestConnection"_s});
    auto* result = options.find<QLabel>(u"lblConnectionResult"_s);
    QTRY_VERIFY2(result->text().contains(said), qPrintable(result->text()));
    QVERIFY(!result->text().contains(u"test-secret"_s));
}

// Saved from the dialog, the secret publishes; it is in the keyring where one answers, and in memory alone (the
// merchant told so) where none does; never in a file under the configuration folder.
void PaymentLinkWindowTest::secretIsKeptOutOfEveryFile() {
    if (privateKeyring() && qEnvironmentVariableIsSet("VELMORA_NO_KEYRING"))
        QSKIP(qPrintable(qEnvironmentVariable("VELMORA_NO_KEYRING")));
    const QString secret = u"kept-secret-4711"_s;
    PaymentLinksStandIn standIn({u"--client-id"_s, u"own-client"_s, u"--secret"_s, secret});
    start(standIn, "ClientID=\n");
    frmOptions* dialog = openOptions();
    QVERIFY(dialog);
    if (!privateKeyring())
        m_dialogs->answerMessage(QMessageBox::Ok);
    WindowDriver(*dialog).run(
        {u"type txtClientID own-client"_s, u"type txtClientSecret "_s + secret, u"click Command1"_s});
    if (privateKeyring()) {
        std::optional<velmora::SecretLookup> found;
        velmora::readClientSecret(u"own-client"_s, this, [&](const velmora::SecretLookup& f) { found = f; });
        QTRY_VERIFY(found);
        QCOMPARE(found->secret, secret);
    } else {
        QTRY_COMPARE(m_dialogs->texts.size(), 1);
        QVERIFY(m_dialogs->texts.front().startsWith(u"No keyring answered"_s));
    }
    publish();
    QVERIFY2(code().startsWith(u"http"_s), qPrintable(code()));
    for (QDirIterator files(m_dir->path(), QDir::Files, QDirIterator::Subdirectories); files.hasNext();)
        QVERIFY2(!readIniFile(files.next()).contains(secret.toUtf8()), qPrintable(files.filePath()));
}

void PaymentLinkWindowTest::retirementIsToldOnce_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("told");
    QTest::newRow("no credentials") << QByteArray("ClientID=\n") << true;
    QTest::newRow("a client ID saved") << QByteArray() << false;
}

void PaymentLinkWindowTest::retirementIsToldOnce() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, told);
    PaymentLinksStandIn standIn;
    start(standIn, settings + "eMail=shop@example.com\n");
    auto* line = m_ui->find<velmora::StatusLine>(u"lblStatusLine"_s);
    m_ui->choose(u"mnuMakeForm"_s);
    QCOMPARE(line->holds(velmora::StatusLine::Retirement), told);
    if (told)
        QVERIFY(statusLine().contains(u"1 January 2027"_s));
    line->drop(velmora::StatusLine::Retirement);
    m_ui->choose(u"mnuMakeLink"_s);
    QVERIFY(!line->holds(velmora::StatusLine::Retirement));
}

QTEST_MAIN(PaymentLinkWindowTest)
#include "PaymentLinkWindowTest.moc"
