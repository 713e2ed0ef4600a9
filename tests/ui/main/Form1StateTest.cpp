#include "ui/main/Form1.h"

#include "store/SettingKeys.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"

#include "support/DialogAnswers.h"
#include "support/IniFiles.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <optional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString prompt = u"Trevanto | Please fill in your information. | icon 0 | 1 button(s)"_s;

} // namespace

class Form1StateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartPromptsOnceAndWritesOnlyTheFlag();
    void firstRunFlag_data();
    void firstRunFlag();
    void windowComesBackAsItWasLeft_data();
    void windowComesBackAsItWasLeft();
    void storedValuesRestore_data();
    void storedValuesRestore();
    void keysInOtherLetterCasesAreFoundAndReplaced();
    void handMadeFileKeepsItsText();
    void editsReachTheDiskAfterAPause();
    void unloadWritesTheWindowBeforeClosingTheOthers();
    void storeProblemsAreToldOnce_data();
    void storeProblemsAreToldOnce();
    void storeRepairedWhileOpenKeepsWhatTheWindowNeverSaw();
    void sandboxSwitchThatCannotBeReadIsTold_data();
    void sandboxSwitchThatCannotBeReadIsTold();
    void defaultStoreIsTheUsersOwn();

private:
    QString fileName() const { return m_dir->filePath(u"Trevanto/Trevanto.ini"_s); }
    void start();
    void restart();

    QString m_configHome;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DialogAnswers> m_dialogs;
    std::unique_ptr<Form1> m_window;
    std::optional<WindowDriver> m_ui;
};

void Form1StateTest::initTestCase() {
    // The user's own store must be private before anything reads it.
    static QTemporaryDir configHome;
    QVERIFY(configHome.isValid());
    m_configHome = configHome.path();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome));
}

void Form1StateTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = std::make_unique<DialogAnswers>();
}

void Form1StateTest::cleanup() {
    m_ui.reset();
    m_window.reset();
    m_dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Form1StateTest::start() {
    m_window = startWindow(fileName());
    m_ui.emplace(*m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

// Exit as the user does, then start again over the same file.
void Form1StateTest::restart() {
    closeWindow(*m_window);
    m_ui.reset();
    m_window.reset();
    start();
}

void Form1StateTest::firstStartPromptsOnceAndWritesOnlyTheFlag() {
    // The prompt comes with the options dialog already open and before the main window shows.
    QStringList atPrompt;
    m_dialogs->whenAsked = [&atPrompt] {
        atPrompt
            << u"options %1, main window %2"_s.arg(openWindows<frmOptions>().size()).arg(openWindows<Form1>().size());
    };
    start();
    QCOMPARE(m_dialogs->seen, QStringList{prompt});
    QCOMPARE(atPrompt, QStringList{u"options 1, main window 0"_s});
    QCOMPARE(keysOnDisk(fileName()), QStringList{u"Settings/HasBeenRun"_s});
    QCOMPARE(onDisk(fileName(), u"Settings/HasBeenRun"_s), u"True"_s);

    // The dialog stays open beside the window, showing what the window's generator uses: the placeholder.
    QCOMPARE(openWindows<frmOptions>().size(), 1);
    QCOMPARE(openWindows<frmOptions>()[0]->findChild<QLineEdit*>(u"txtEmail"_s)->text(), velmora::placeholderEmail);
    m_ui->check({u"chkNote checked"_s, u"txtNote=Special Instructions"_s, u"txtNote enabled"_s,
                 u"chkShippingAddress checked"_s});
    m_ui->click(u"cmdMakeForm"_s);
    QVERIFY(m_ui->find<QPlainTextEdit>(u"txtCode"_s)
                ->toPlainText()
                .contains(u"value=\"%1\""_s.arg(velmora::placeholderEmail)));

    // Left untouched, the dialog still stores its five boxes when the window closes, and no prompt follows.
    restart();
    QCOMPARE(m_dialogs->seen, QStringList{prompt});
    QVERIFY(openWindows<frmOptions>().isEmpty());
    QCOMPARE(onDisk(fileName(), u"Settings/eMail"_s), velmora::placeholderEmail);
    for (const char* key : {"StoreLogo", "PurchaseSuccessURL", "PurchaseCancelURL", "ButtonImageURL"})
        QCOMPARE(onDisk(fileName(), "Settings/"_L1 + QLatin1StringView(key)), QString());
}

void Form1StateTest::firstRunFlag_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("prompts");

    QTest::addRow("true") << "[Settings]\nHasBeenRun=true\n"_ba << false;
    QTest::addRow("-1") << "[Settings]\nHasBeenRun=-1\n"_ba << false;
    QTest::addRow("other letter cases") << "[SETTINGS]\nhasbeenrun=TRUE\n"_ba << false;
    QTest::addRow("False") << "[Settings]\nHasBeenRun=False\n"_ba << true;
    QTest::addRow("0") << "[Settings]\nHasBeenRun=0\n"_ba << true;
    QTest::addRow("empty") << "[Settings]\nHasBeenRun=\n"_ba << true;
    QTest::addRow("not a boolean") << "[Settings]\nHasBeenRun=maybe\n"_ba << true;
}

void Form1StateTest::firstRunFlag() {
    QFETCH(QByteArray, file);
    QFETCH(bool, prompts);

    QVERIFY(writeIniFile(fileName(), file));
    start();
    QCOMPARE(m_dialogs->seen, prompts ? QStringList{prompt} : QStringList());
    QCOMPARE(openWindows<frmOptions>().size(), prompts ? 1 : 0);
    // A flag already set is left as it was written; a prompt is followed by "True".
    if (prompts)
        QCOMPARE(onDisk(fileName(), u"Settings/HasBeenRun"_s), u"True"_s);
    else
        QCOMPARE(readIniFile(fileName()), file);
}

void Form1StateTest::windowComesBackAsItWasLeft_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("onDisk");
    QTest::addColumn<QStringList>("afterRestart");
    QTest::addColumn<QStringList>("checks");

    QTest::addRow("untouched first start")
        << QStringList{}
        << QStringList{"Settings/txtNote=Special Instructions",
                       "Settings/chkNote=1",
                       "Settings/chkShippingAddress=1",
                       "Settings/UseOption1=0",
                       "Settings/optSet1DropDown=True",
                       "Settings/optSet1TextBox=False",
                       "DropDowns/Set2Box10="}
        << QStringList{} << QStringList{"chkNote checked", "txtNote enabled", "txtNote=Special Instructions"};

    QStringList bothSets = {"type txtItemName Lamp", "type txtPrice 12.5", "click chkOption1Active",
                            "type txtOptName1 Size"};
    const QStringList sizes = {"XS", "S", "M", "L", "XL", "XXL", "3XL"};
    for (int i = 0; i < sizes.size(); ++i)
        bothSets << u"type txtOptSet1(%1) %2"_s.arg(i).arg(sizes[i]);
    bothSets << "click chkOption2Active"
             << "type txtOptName2 Engraving"
             << "click optSet2TextBox";
    QTest::addRow("set 1 drop-down with seven values, set 2 text box")
        << bothSets << QStringList{"Settings/ItemName=Lamp",         "Settings/Price=12.50",
                                   "Settings/UseOption1=1",          "Settings/UseOption2=1",
                                   "Settings/optSet2DropDown=False", "Settings/optSet2TextBox=True",
                                   "DropDowns/Set1Box7=3XL",         "DropDowns/Set1Box8="}
        << QStringList{} << QStringList{"txtOptSet1(0) shown",   "txtOptSet1(6)=3XL",    "txtOptSet1(9) shown",
                                        "txtOptName2=Engraving", "txtOptSet2(0) hidden", "optSet2TextBox selected",
                                        "cmdMakeLink disabled"};

    QTest::addRow("set 2 switched off keeps its values")
        << QStringList{"click chkOption1Active", "click chkOption2Active",  "type txtOptName2 Colour",
                       "type txtOptSet2(0) Red", "type txtOptSet2(9) Blue", "click chkOption2Active"}
        << QStringList{"Settings/UseOption2=0", "Settings/Option2Name=Colour", "DropDowns/Set2Box1=Red",
                       "DropDowns/Set2Box10=Blue"}
        << QStringList{"click chkOption2Active"}
        << QStringList{"txtOptName2 shown", "txtOptName2=Colour", "txtOptSet2(0)=Red", "txtOptSet2(9) shown",
                       "txtOptSet2(9)=Blue"};

    QTest::addRow("note unchecked at exit")
        << QStringList{"type txtNote Gift message", "click chkNote"}
        << QStringList{"Settings/chkNote=0", "Settings/txtNote=Gift message"} << QStringList{}
        << QStringList{"chkNote unchecked", "txtNote disabled", "txtNote=Gift message"};

    QTest::addRow("emptied texts stay empty")
        << QStringList{"type txtItemName Lamp", "type txtItemName ", "type txtNote "}
        << QStringList{"Settings/ItemName=", "Settings/txtNote="} << QStringList{}
        << QStringList{"txtItemName=", "txtNote=", "txtNote enabled"};

    QTest::addRow("blanks around a text")
        << QStringList{"type txtItemName   Lamp  "} << QStringList{"Settings/ItemName=  Lamp  "} << QStringList{}
        << QStringList{"txtItemName=  Lamp  "};
}

void Form1StateTest::windowComesBackAsItWasLeft() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, onDisk);
    QFETCH(QStringList, afterRestart);
    QFETCH(QStringList, checks);

    start();
    m_ui->run(steps);
    if (QTest::currentTestFailed())
        return;
    const QStringList atExit = m_ui->snapshot();

    closeWindow(*m_window);
    const QStringList keys = keysOnDisk(fileName());
    for (const velmora::SettingKey& key : velmora::windowStateKeys())
        QVERIFY2(keys.contains(key.section + u'/' + key.name), qPrintable(key.name + " was not written"));
    for (const QString& entry : onDisk) {
        const QString path = entry.section(u'=', 0, 0);
        QCOMPARE(u"%1=%2"_s.arg(path, ::onDisk(fileName(), path)), entry);
    }

    m_ui.reset();
    m_window.reset();
    start();
    QCOMPARE(m_ui->snapshot(), atExit);
    m_ui->run(afterRestart);
    m_ui->check(checks);
}

void Form1StateTest::storedValuesRestore_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("checks");

    QTest::addRow("price without decimals stays as stored")
        << "[Settings]\nHasBeenRun=True\nPrice=5\nShipping1=1.5\n"_ba << QStringList{"txtPrice=5", "txtShipping1=1.5"};
    QTest::addRow("empty texts are not replaced by defaults")
        << "[Settings]\nHasBeenRun=True\ntxtNote=\nItemName=\n"_ba
        << QStringList{"txtNote=", "txtNote enabled", "txtItemName="};
    QTest::addRow("values that do not convert read as defaults")
        << "[Settings]\nHasBeenRun=True\nUseOption1=yes\nchkShippingAddress=7\nchkNote=\noptSet1TextBox=maybe\n"_ba
        << QStringList{"chkOption1Active unchecked", "chkShippingAddress checked", "chkNote checked",
                       "optSet1DropDown selected", "txtOptName1 hidden"};
    QTest::addRow("grayed check boxes change nothing")
        << "[Settings]\nHasBeenRun=True\nchkShippingAddress=2\nUseOption1=2\nchkNote=2\n"_ba
        << QStringList{"chkShippingAddress grayed", "chkOption1Active grayed", "txtOptName1 hidden",
                       "cmdMakeLink enabled",       "chkNote grayed",          "txtNote disabled"};
    QTest::addRow("set 1 with neither kind still lists its values")
        << "[Settings]\nHasBeenRun=True\nUseOption1=1\noptSet1DropDown=False\noptSet1TextBox=False\n"_ba
        << QStringList{"txtOptSet1(0) shown", "cmdClearOptions1 shown", "cmdMakeLink disabled"};
    QTest::addRow("texts longer than the boxes let anyone type")
        << "[Settings]\nHasBeenRun=True\ntxtNote=A note title well beyond thirty characters\n"_ba
        << QStringList{"txtNote=A note title well beyond thirty characters"};
}

void Form1StateTest::storedValuesRestore() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, checks);

    QVERIFY(writeIniFile(fileName(), file));
    start();
    QCOMPARE(m_dialogs->seen, QStringList());
    m_ui->check(checks);
}

void Form1StateTest::keysInOtherLetterCasesAreFoundAndReplaced() {
    QVERIFY(writeIniFile(fileName(), "[SETTINGS]\nHASBEENRUN=True\nITEMNAME=Lamp\nuseoption1=1\n"
                                     "[dropdowns]\nSET1BOX1=Red\n"_ba));
    start();
    QCOMPARE(m_dialogs->seen, QStringList());
    m_ui->check(
        {u"txtItemName=Lamp"_s, u"chkOption1Active checked"_s, u"txtOptSet1(0)=Red"_s, u"txtOptSet1(0) shown"_s});

    m_ui->type(u"txtItemName"_s, u"Desk"_s);
    closeWindow(*m_window);
    const QStringList keys = keysOnDisk(fileName());
    QVERIFY(keys.contains(u"SETTINGS/ITEMNAME"_s) && keys.contains(u"dropdowns/SET1BOX1"_s));
    QCOMPARE(onDisk(fileName(), u"Settings/ItemName"_s), u"Desk"_s);
    QCOMPARE(onDisk(fileName(), u"DropDowns/Set1Box1"_s), u"Red"_s);
    QStringList folded;
    for (const QString& key : keys)
        folded << key.toCaseFolded();
    folded.removeDuplicates();
    QCOMPARE(folded.size(), keys.size());
}

// Comments, blank lines, an unknown section and the file's own spelling of values outlive a session in which
// one field was edited; backslashes are plain characters on the way into the form.
void Form1StateTest::handMadeFileKeepsItsText() {
    QByteArray settings = "; Velmora, set up by hand\n\n[Settings]\nHasBeenRun = True\n"
                          "StoreLogo=\\\\server\\share\\logo.png\nPurchaseSuccessURL=C:\\shop\\logo\n"
                          "txtNote = \"  Gift note  \"\n"_ba;
    QByteArray dropDowns = "\n[Printer]\nPaper=A4\n\n[DropDowns]\n"_ba;
    for (const velmora::SettingKey& key : velmora::windowStateKeys()) {
        if (key.name == "txtNote"_L1)
            continue; // written by hand above
        const QString value = key.name == "ItemName"_L1 ? u"Mug"_s : QString(key.defaultText);
        (key.section == "DropDowns"_L1 ? dropDowns : settings) += (key.name + u'=' + value + u'\n').toLatin1();
    }
    const QByteArray file = settings + dropDowns;
    QVERIFY(writeIniFile(fileName(), file));

    start();
    QCOMPARE(m_ui->find<QLineEdit>(u"txtNote"_s)->text(), u"  Gift note  "_s);
    m_ui->type(u"txtItemName"_s, u"Lamp"_s);
    m_ui->click(u"cmdMakeForm"_s);
    const QString form = m_ui->find<QPlainTextEdit>(u"txtCode"_s)->toPlainText();
    QVERIFY2(form.contains(uR"(value="\\server\share\logo.png")"_s), qPrintable(form));
    QVERIFY2(form.contains(uR"(value="C:\shop\logo")"_s), qPrintable(form));
    closeWindow(*m_window);
    QCOMPARE(readIniFile(fileName()), QByteArray(file).replace("ItemName=Mug", "ItemName=Lamp"));
}

// The display can go at any moment: a pause in editing puts the window on disk, without a close.
void Form1StateTest::editsReachTheDiskAfterAPause() {
    QVERIFY(writeIniFile(fileName(), "[Settings]\nHasBeenRun=True\n"_ba));
    start();
    m_ui->type(u"txtItemName"_s, u"Lamp"_s);
    m_ui->click(u"chkNote"_s);
    QCOMPARE(readIniFile(fileName()), "[Settings]\nHasBeenRun=True\n"_ba); // no write at every keystroke
    QTRY_COMPARE(onDisk(fileName(), u"Settings/ItemName"_s), u"Lamp"_s);
    QCOMPARE(onDisk(fileName(), u"Settings/chkNote"_s), u"0"_s);
    QCOMPARE(keysOnDisk(fileName()).size(), 1 + int(velmora::windowStateKeys().size()));
}

// The About box and the dialog are watched as they close: by then the window's 36 keys must be on disk,
// and the dialog's unsaved e-mail must not yet be.
void Form1StateTest::unloadWritesTheWindowBeforeClosingTheOthers() {
    QVERIFY(writeIniFile(fileName(), "[Settings]\nHasBeenRun=True\neMail=old@example.com\n"_ba));
    start();
    m_ui->choose(u"mnuOptions"_s);
    typeInto(openWindows<frmOptions>().value(0)->findChild<QLineEdit*>(u"txtEmail"_s), u"new@example.com"_s);
    m_ui->type(u"txtItemName"_s, u"Lamp"_s);
    m_ui->choose(u"mnuAbout"_s);

    QStringList closes;
    struct CloseWatch : QObject {
        std::function<void(QObject*)> seen;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Close)
                seen(watched);
            return false;
        }
    } watch;
    watch.seen = [&](QObject* window) {
        const QStringList keys = keysOnDisk(fileName());
        int written = 0;
        for (const velmora::SettingKey& key : velmora::windowStateKeys())
            written += keys.contains(key.section + u'/' + key.name);
        closes << u"%1: %2 window keys, eMail %3, item %4"_s.arg(window->objectName())
                      .arg(written)
                      .arg(onDisk(fileName(), u"Settings/eMail"_s), onDisk(fileName(), u"Settings/ItemName"_s));
    };
    openWindows<frmOptions>().value(0)->installEventFilter(&watch);
    openWindows<frmAbout>().value(0)->installEventFilter(&watch);

    closeWindow(*m_window);
    const auto keys = velmora::windowStateKeys().size();
    QCOMPARE(closes, (QStringList{u"frmAbout: %1 window keys, eMail old@example.com, item Lamp"_s.arg(keys),
                                  u"frmOptions: %1 window keys, eMail old@example.com, item Lamp"_s.arg(keys)}));
    QCOMPARE(onDisk(fileName(), u"Settings/eMail"_s), u"new@example.com"_s);
    QCOMPARE(m_dialogs->seen, QStringList());
}

void Form1StateTest::storeProblemsAreToldOnce_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("firstRun"); // nothing stored, and readable: the prompt follows the notice

    QTest::addRow("settings file is a folder") << u"folder"_s << false;
    QTest::addRow("config folder is a file") << u"file in the way"_s << true;
    QTest::addRow("read-only config folder") << u"read-only"_s << false;
    QTest::addRow("unparsable file") << u"unparsable"_s << false;
}

// Told before anything else, when the window starts, and never again.
void Form1StateTest::storeProblemsAreToldOnce() {
    QFETCH(QString, fault);
    QFETCH(bool, firstRun);

    // Without the first-run flag: a file that cannot be read says nothing of earlier runs.
    const QByteArray unparsable = "[Settings]\nItemName=Lamp\nthis line is no setting\n"_ba;
    if (fault == u"folder") {
        QVERIFY(QDir().mkpath(fileName()));
    } else if (fault == u"file in the way") {
        QVERIFY(writeIniFile(m_dir->filePath(u"Trevanto"_s), "not a folder"));
    } else if (fault == u"read-only") {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; the other rows stand in for it");
        QVERIFY(writeIniFile(fileName(), "[Settings]\nHasBeenRun=True\n"));
        QVERIFY(QFile::setPermissions(QFileInfo(fileName()).absolutePath(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(writeIniFile(fileName(), unparsable));
    }

    start();
    QCOMPARE(m_dialogs->seen.size(), firstRun ? 2 : 1);
    QCOMPARE(m_dialogs->notices().value(0), m_dialogs->seen[0]);
    m_ui->choose(u"mnuOptions"_s);
    m_ui->type(u"txtItemName"_s, u"Desk"_s);
    m_ui->type(u"txtPrice"_s, u"5"_s);
    m_ui->click(u"cmdMakeForm"_s);
    QVERIFY(m_ui->find<QPlainTextEdit>(u"txtCode"_s)->toPlainText().contains(u"Desk"_s));
    closeWindow(*m_window);
    QVERIFY(openWindows<frmOptions>().isEmpty());

    const QStringList notices = m_dialogs->notices();
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices[0].contains(QDir::toNativeSeparators(fileName())), qPrintable(notices[0]));
    if (fault == u"unparsable")
        QCOMPARE(readIniFile(fileName()), unparsable);
    if (fault == u"read-only")
        QFile::setPermissions(QFileInfo(fileName()).absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The window never saw what the file holds: its unload, the save after typing and the options dialog's close
// write only what was typed.
void Form1StateTest::storeRepairedWhileOpenKeepsWhatTheWindowNeverSaw() {
    QVERIFY(writeIniFile(fileName(), "[Settings]\nHasBeenRun=True\nthis line is no setting\n"_ba));
    start();
    QCOMPARE(m_dialogs->notices().size(), 1);
    const QByteArray repaired = "[Settings]\nHasBeenRun=True\neMail=shop@example.com\nItemName=Mug\nchkNote=0\n"
                                "[DropDowns]\nSet1Box1=Red\n"_ba;
    QVERIFY(writeIniFile(fileName(), repaired));

    m_ui->type(u"txtItemName"_s, u"Lamp"_s);
    QTRY_COMPARE(onDisk(fileName(), u"Settings/ItemName"_s), u"Lamp"_s);
    m_ui->choose(u"mnuOptions"_s);
    closeWindow(*m_window);
    QCOMPARE(readIniFile(fileName()), QByteArray(repaired).replace("ItemName=Mug", "ItemName=Lamp"));
    QCOMPARE(m_dialogs->notices().size(), 1);
}

void Form1StateTest::sandboxSwitchThatCannotBeReadIsTold_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("sandbox");
    QTest::addColumn<bool>("told");

    QTest::addRow("neither on nor off") << "maybe"_ba << true << true;
    QTest::addRow("off, as written by hand") << "Off"_ba << false << false;
}

void Form1StateTest::sandboxSwitchThatCannotBeReadIsTold() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, sandbox);
    QFETCH(bool, told);
    QVERIFY(writeIniFile(fileName(), "[Settings]\nHasBeenRun=True\nUseSandbox=" + stored + '\n'));
    start();
    QCOMPARE(m_window->windowTitle().endsWith(u"(sandbox: test payments only)"_s), sandbox);
    const QString warning = u"Trevanto | The settings file %1 holds \"maybe\" for UseSandbox, which is neither on nor "
                            u"off, so test payments in the sandbox are used: no real money moves until the switch is "
                            u"set again. | icon 2 | 1 button(s)"_s.arg(fileName());
    QCOMPARE(m_dialogs->seen, told ? QStringList{warning} : QStringList());
}

void Form1StateTest::defaultStoreIsTheUsersOwn() {
    {
        Form1 window;
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        closeWindow(window);
    }
    const QString userFile = m_configHome + u"/Trevanto/Trevanto.ini"_s;
    QCOMPARE(onDisk(userFile, u"Settings/HasBeenRun"_s), u"True"_s);
    QCOMPARE(onDisk(userFile, u"Settings/txtNote"_s), u"Special Instructions"_s);
}

QTEST_MAIN(Form1StateTest)
#include "Form1StateTest.moc"
