#include "ui/main/Form1.h"

#include "store/ItemRecordCodec.h"
#include "store/NativeFileName.h"

#include "support/DialogAnswers.h"
#include "support/IniFiles.h"
#include "support/ItemRecords.h"
#include "support/WindowDriver.h"

#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

using namespace Qt::StringLiterals;
using velmora::ItemValueId::ItemName;

namespace {

// An item file's name as a Latin-1 system spells "café.tqf".
const QString Latin1Name = velmora::fileNameFromNative("caf\xE9.tqf");

} // namespace

// Item files from outside the window (the command line, drops), the File menu's keys, recent files and Quit.
class Form1DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFilesFromOutside_data();
    void opensFilesFromOutside();
    void fileMenuKeepsItsCommandsAndGainsKeys_data();
    void fileMenuKeepsItsCommandsAndGainsKeys();
    void recentFilesComeBackNewestFirst();
    void windowsKeepEachOthersRecentFiles();
    void quitRunsTheUnloadStep();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString storeFile() const { return path(u"config/Trevanto.ini"_s); }
    QString heldName() const { return m_window->findChild<QLineEdit*>(u"txtItemName"_s)->text(); }
    void writeItem(const QString& name, const QString& itemName) const {
        QVERIFY(writeIniFile(path(name), velmora::encodeItemRecord(recordWith({{ItemName, itemName}})).bytes));
    }
    // The texts of the File menu's recent entries, as the menu shows them when it opens.
    QStringList recentEntries() const { return recentEntriesOf(*m_window); }
    static QStringList recentEntriesOf(Form1& window);
    void start() {
        m_window = startWindow(storeFile());
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
};

void Form1DesktopTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Not a first start, so no prompt comes between the window and the test.
    QVERIFY(writeIniFile(storeFile(), "[Settings]\nHasBeenRun=True\nItemName=Before\n"));
    writeItem(u"mug.tqf"_s, u"Mug"_s);
    writeItem(u"lamp.tqf"_s, u"Lamp"_s);
    writeItem(u"LOUD.TQF"_s, u"Loud"_s);
    QVERIFY(writeIniFile(path(u"bad.tqf"_s), QByteArray(37, '\xA5')));
    QVERIFY(writeIniFile(path(u"notes.txt"_s), "Mug\xA5"));
    QCOMPARE(::symlink("mug.tqf", velmora::nativeFileName(path(Latin1Name)).constData()), 0);
    start();
}

void Form1DesktopTest::cleanup() {
    m_window.reset();
}

QStringList Form1DesktopTest::recentEntriesOf(Form1& window) {
    auto* file = window.findChild<QMenu*>(u"mnuFile"_s);
    file->popup(window.geometry().center());
    file->hide();
    QStringList entries;
    for (QAction* entry : window.findChild<QMenu*>(u"mnuOpenRecent"_s)->actions())
        entries << entry->text();
    return entries;
}

void Form1DesktopTest::opensFilesFromOutside_data() {
    QTest::addColumn<bool>("dropped");      // else given on the command line
    QTest::addColumn<QStringList>("files"); // names in the test folder, or addresses
    QTest::addColumn<bool>("accepted");     // as a drop
    QTest::addColumn<QString>("itemName");  // what the window holds afterwards
    QTest::addColumn<QStringList>("told");  // one text each message must hold, in order; DIR the test folder

    const QString notOpened = u"were not opened"_s;
    QTest::addRow("one file") << false << QStringList{u"mug.tqf"_s} << true << u"Mug"_s << QStringList{};
    QTest::addRow("a refused file, told as Open an Item tells it")
        << false << QStringList{u"bad.tqf"_s} << true << u"Before"_s << QStringList{u"37 field separators"_s};
    QTest::addRow("two files: the first opens, the other is named")
        << false << QStringList{u"mug.tqf"_s, u"lamp.tqf"_s} << true << u"Mug"_s
        << QStringList{notOpened + u":\nDIR/lamp.tqf"_s};
    QTest::addRow("a name that is not UTF-8")
        << false << QStringList{Latin1Name} << true << u"Before"_s
        << QStringList{u"Couldn't open \"DIR/caf\uFFFD.tqf\": its name is not UTF-8 text."_s};
    QTest::addRow("one dropped file") << true << QStringList{u"mug.tqf"_s} << true << u"Mug"_s << QStringList{};
    QTest::addRow("an upper-case suffix") << true << QStringList{u"LOUD.TQF"_s} << true << u"Loud"_s << QStringList{};
    QTest::addRow("three dropped files") << true << QStringList{u"lamp.tqf"_s, u"mug.tqf"_s, u"LOUD.TQF"_s} << true
                                         << u"Lamp"_s << QStringList{u"DIR/mug.tqf\nDIR/LOUD.TQF"_s};
    QTest::addRow("not an item file") << true << QStringList{u"notes.txt"_s} << false << u"Before"_s << QStringList{};
    QTest::addRow("an item file among others")
        << true << QStringList{u"mug.tqf"_s, u"notes.txt"_s} << false << u"Before"_s << QStringList{};
    QTest::addRow("an item file on the web")
        << true << QStringList{u"https://example.com/mug.tqf"_s} << false << u"Before"_s << QStringList{};
}

void Form1DesktopTest::opensFilesFromOutside() {
    QFETCH(bool, dropped);
    QFETCH(QStringList, files);
    QFETCH(bool, accepted);
    QFETCH(QString, itemName);
    QFETCH(QStringList, told);
    DialogAnswers answers;
    for (qsizetype i = 0; i < told.size(); ++i)
        answers.answerMessage(QMessageBox::Ok);

    QList<QUrl> urls;
    for (QString& file : files) {
        file = file.contains(u':') ? file : path(file);
        urls << QUrl::fromUserInput(file);
    }
    if (dropped) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint centre = m_window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_window.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_window.get(), &drop);
        QCOMPARE(drop.isAccepted(), accepted);
    } else {
        m_window->openItemFiles(files);
    }

    QTRY_COMPARE(heldName(), itemName);
    QTRY_COMPARE(answers.texts.size(), told.size());
    for (qsizetype i = 0; i < told.size(); ++i)
        QVERIFY2(answers.texts[i].contains(told[i].replace(u"DIR"_s, m_dir->path())), qPrintable(answers.texts[i]));
    QCOMPARE(answers.problems(), QString());
}

void Form1DesktopTest::fileMenuKeepsItsCommandsAndGainsKeys_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addRow("New") << u"mnuNew"_s << (Qt::CTRL | Qt::Key_N);
    QTest::addRow("Save") << u"mnuSave"_s << (Qt::CTRL | Qt::Key_S);
    QTest::addRow("Open") << u"mnuOpen"_s << (Qt::CTRL | Qt::Key_O);
    QTest::addRow("Quit") << u"mnuQuit"_s << (Qt::CTRL | Qt::Key_Q);
}

void Form1DesktopTest::fileMenuKeepsItsCommandsAndGainsKeys() {
    QFETCH(QString, command);
    QFETCH(QKeyCombination, keys);
    QStringList captions;
    for (QAction* item : m_window->findChild<QMenu*>(u"mnuFile"_s)->actions())
        captions << item->text();
    QCOMPARE(captions, (QStringList{u"&New (clear all)"_s, u"&Save this  Item as..."_s, u"&Open an Item"_s,
                                    u"Open &Recent"_s, QString(), u"&Quit"_s}));

    DialogAnswers answers;
    if (command == u"mnuSave" || command == u"mnuOpen")
        answers.answerFileName(QString());
    QSignalSpy chosen(m_window->findChild<QAction*>(command), &QAction::triggered);
    QTest::keyClick(m_window->findChild<QLineEdit*>(u"txtItemName"_s), keys.key(), keys.keyboardModifiers());
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(answers.problems(), QString());
}

void Form1DesktopTest::recentFilesComeBackNewestFirst() {
    QCOMPARE(recentEntries(), QStringList());
    QVERIFY(!m_window->findChild<QMenu*>(u"mnuOpenRecent"_s)->isEnabled());
    {
        DialogAnswers answers;
        answers.answerFileName(path(u"saved.tqf"_s)).answerFileName(path(u"lamp.tqf"_s));
        m_window->openItemFile(path(u"mug.tqf"_s));
        m_window->findChild<QAction*>(u"mnuSave"_s)->trigger();
        m_window->findChild<QAction*>(u"mnuOpen"_s)->trigger();
        QCOMPARE(answers.problems(), QString());
    }
    QCOMPARE(recentEntries(),
             (QStringList{"&1 " + path(u"lamp.tqf"_s), "&2 " + path(u"saved.tqf"_s), "&3 " + path(u"mug.tqf"_s)}));

    QVERIFY(QFile::remove(path(u"lamp.tqf"_s)));
    const QStringList left{"&1 " + path(u"saved.tqf"_s), "&2 " + path(u"mug.tqf"_s)};
    QCOMPARE(recentEntries(), left);
    QCOMPARE(onDisk(storeFile(), u"RecentFiles/File1"_s), path(u"saved.tqf"_s));
    QCOMPARE(onDisk(storeFile(), u"RecentFiles/File3"_s), QString()); // no stale entry left behind

    closeWindow(*m_window);
    start();
    QCOMPARE(recentEntries(), left);
    typeInto(m_window->findChild<QLineEdit*>(u"txtItemName"_s), u"Other"_s);
    m_window->findChild<QMenu*>(u"mnuOpenRecent"_s)->actions().at(1)->trigger();
    QCOMPARE(heldName(), u"Mug"_s);
    QCOMPARE(recentEntries().first(), "&1 " + path(u"mug.tqf"_s));
}

// Each change of the list starts from the list as the other window left it.
void Form1DesktopTest::windowsKeepEachOthersRecentFiles() {
    const std::unique_ptr<Form1> other = startWindow(storeFile());
    m_window->openItemFile(path(u"mug.tqf"_s));
    other->openItemFile(path(u"lamp.tqf"_s));
    m_window->openItemFile(path(u"LOUD.TQF"_s));
    other->openItemFile(path(u"mug.tqf"_s));

    const QStringList newestFirst{"&1 " + path(u"mug.tqf"_s), "&2 " + path(u"LOUD.TQF"_s), "&3 " + path(u"lamp.tqf"_s)};
    QCOMPARE(recentEntriesOf(*other), newestFirst);
    QCOMPARE(recentEntries(), newestFirst);
}

void Form1DesktopTest::quitRunsTheUnloadStep() {
    typeInto(m_window->findChild<QLineEdit*>(u"txtItemName"_s), u"Kettle"_s);
    m_window->findChild<QAction*>(u"mnuQuit"_s)->trigger();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(onDisk(storeFile(), u"Settings/ItemName"_s), u"Kettle"_s);
}

QTEST_MAIN(Form1DesktopTest)
#include "Form1DesktopTest.moc"
