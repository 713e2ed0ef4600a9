#include "ui/main/Form1.h"

#include "ui/desktop/HelpPage.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/kit/AppIcon.h"

#include "support/DialogAnswers.h"
#include "support/IniFiles.h"
#include "support/StandInOpener.h"
#include "support/WindowDriver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The options dialogs and About boxes open now.
QList<QWidget*> otherWindows() {
    QList<QWidget*> open;
    for (frmOptions* dialog : openWindows<frmOptions>())
        open << dialog;
    for (frmAbout* box : openWindows<frmAbout>())
        open << box;
    return open;
}

} // namespace

class Form1WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void optionsStepsReachTheGeneratedForm_data();
    void optionsStepsReachTheGeneratedForm();
    void menuShowsOneWindow_data();
    void menuShowsOneWindow();
    void closingTheMainWindowClosesTheOthers();
    void windowsShareTheIcon();
    void helpAndShellExecuteHandTheAddressToTheOpener_data();
    void helpAndShellExecuteHandTheAddressToTheOpener();

private:
    QString fileName() const { return m_dir->filePath(u"Trevanto/Trevanto.ini"_s); }
    QString makeForm();
    WindowDriver ui() const { return WindowDriver(*m_window); }
    QLineEdit* optionsBox(const QString& name) const {
        return openWindows<frmOptions>().value(0)->findChild<QLineEdit*>(name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DialogAnswers> m_dialogs;
    std::unique_ptr<Form1> m_window;
};

void Form1WindowsTest::initTestCase() {
    // Nothing here may reach the real user's store, whatever goes wrong.
    static QTemporaryDir configHome;
    QVERIFY(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
}

void Form1WindowsTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(writeIniFile(fileName(), "[Settings]\nHasBeenRun=True\neMail=old@example.com\n"
                                     "ButtonImageURL=http://shop/old.gif\n"));
    m_dialogs = std::make_unique<DialogAnswers>();
    m_window = startWindow(fileName());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void Form1WindowsTest::cleanup() {
    QCOMPARE(m_dialogs->seen, QStringList());
    m_window.reset();
    m_dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Form1WindowsTest::makeForm() {
    clickOn(m_window->findChild<QPushButton*>(u"cmdMakeForm"_s));
    return m_window->findChild<QPlainTextEdit*>(u"txtCode"_s)->toPlainText();
}

void Form1WindowsTest::optionsStepsReachTheGeneratedForm_data() {
    QTest::addColumn<QString>("step"); // a button of the dialog, "close box", or nothing
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<bool>("applied");

    QTest::addRow("typing alone") << "" << true << false;
    // Saving takes every box, the button image included, so no visible field is left unsaved by a save.
    QTest::addRow("Save and Keep Open.") << "Command2" << true << true;
    QTest::addRow("Save and Close.") << "Command1" << false << true;
    QTest::addRow("close box") << "close box" << false << true;
}

void Form1WindowsTest::optionsStepsReachTheGeneratedForm() {
    QFETCH(QString, step);
    QFETCH(bool, staysOpen);
    QFETCH(bool, applied);

    ui().choose(u"mnuOptions"_s);
    typeInto(optionsBox(u"txtEmail"_s), u"new@example.com"_s);
    typeInto(optionsBox(u"txtButtonImageURL"_s), u"http://shop/new.gif"_s);
    if (step == u"close box")
        openWindows<frmOptions>().value(0)->windowHandle()->close();
    else if (!step.isEmpty())
        clickOn(openWindows<frmOptions>().value(0)->findChild<QPushButton*>(step));
    QCOMPARE(openWindows<frmOptions>().size(), staysOpen ? 1 : 0);
    QVERIFY(m_window->isVisible());

    const QString form = makeForm();
    const QString eMail = applied ? u"new@example.com"_s : u"old@example.com"_s;
    const QString image = applied ? u"http://shop/new.gif"_s : u"http://shop/old.gif"_s;
    QVERIFY2(form.contains(u"name=\"business\" value=\"%1\""_s.arg(eMail)), qPrintable(form));
    QVERIFY2(form.contains(u"src=\"%1\""_s.arg(image)), qPrintable(form));
    QCOMPARE(onDisk(fileName(), u"Settings/eMail"_s), eMail);
    QCOMPARE(onDisk(fileName(), u"Settings/ButtonImageURL"_s), image);
}

void Form1WindowsTest::menuShowsOneWindow_data() {
    QTest::addColumn<QString>("command");

    QTest::addRow("&Options") << u"mnuOptions"_s;
    QTest::addRow("&About") << u"mnuAbout"_s;
}

void Form1WindowsTest::menuShowsOneWindow() {
    QFETCH(QString, command);

    ui().choose(command);
    const QList<QWidget*> first = otherWindows();
    QCOMPARE(first.size(), 1);
    QVERIFY2(!first[0]->parentWidget(), "shown without an owner");
    QVERIFY2(m_window->isEnabled() && !first[0]->isModal(), "the main window stays usable");
    if (auto* email = first[0]->findChild<QLineEdit*>(u"txtEmail"_s))
        typeInto(email, u"unsaved@example.com"_s);

    ui().choose(command);
    QCOMPARE(otherWindows(), first);
    if (auto* email = first[0]->findChild<QLineEdit*>(u"txtEmail"_s))
        QCOMPARE(email->text(), u"unsaved@example.com"_s);
}

// The dialog's close asks for the main window to be shown; that must not bring back a closing window.
void Form1WindowsTest::closingTheMainWindowClosesTheOthers() {
    ui().choose(u"mnuOptions"_s);
    ui().choose(u"mnuAbout"_s);
    QPointer<frmOptions> options = openWindows<frmOptions>().value(0);
    QPointer<frmAbout> about = openWindows<frmAbout>().value(0);
    QVERIFY(options && about);

    struct ShowCounter : QObject {
        int shows = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            shows += event->type() == QEvent::Show;
            return false;
        }
    } counter;
    m_window->installEventFilter(&counter);

    closeWindow(*m_window);
    QTRY_VERIFY(options.isNull() && about.isNull());
    QCOMPARE(counter.shows, 0);
    QVERIFY(m_window->isHidden());
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName() + " is still open"));
}

void Form1WindowsTest::windowsShareTheIcon() {
    ui().choose(u"mnuOptions"_s);
    ui().choose(u"mnuAbout"_s);
    const QImage icon = velmora::appIcon().pixmap(32).toImage();
    QVERIFY(!icon.isNull());
    const QList<QWidget*> windows = otherWindows() << m_window.get();
    QCOMPARE(windows.size(), 3);
    for (QWidget* window : windows) {
        QVERIFY2(window->windowIcon().pixmap(32).toImage() == icon, qPrintable(window->objectName()));
    }
}

void Form1WindowsTest::helpAndShellExecuteHandTheAddressToTheOpener_data() {
    QTest::addColumn<QString>("file"); // empty: "Help Online" from the menu
    QTest::addColumn<QString>("opened");

    QTest::addRow("Help Online") << QString() << velmora::helpPageUrl().toString(QUrl::FullyEncoded);
    QTest::addRow("web address") << u"https://example.com/help.html#fields"_s
                                 << u"https://example.com/help.html#fields"_s;
    QTest::addRow("path with blanks") << u"/tmp/my help.html"_s << u"file:///tmp/my%20help.html"_s;
    // A bare name that looks like an option still reaches the opener as a file.
    QTest::addRow("name starting with a dash")
        << u"-h"_s << QUrl::fromLocalFile(QDir::current().filePath(u"-h"_s)).toString(QUrl::FullyEncoded);
}

void Form1WindowsTest::helpAndShellExecuteHandTheAddressToTheOpener() {
    QFETCH(QString, file);
    QFETCH(QString, opened);

    const StandInOpener opener(m_dir->path());
    QVERIFY(opener.isReady());

    if (file.isEmpty())
        ui().choose(u"mnuHelpOnline"_s);
    else
        m_window->RunShellExecute(u"Open"_s, file, u"0"_s, u"0"_s, 1);
    QTRY_COMPARE(opener.opened(), opened + u'\n');
}

QTEST_MAIN(Form1WindowsTest)
#include "Form1WindowsTest.moc"
