#include "store/SettingsStore.h"

#include "support/IniFiles.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using velmora::SettingsStore;

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void userStoreLivesInTheConfigFolder();
    void namesMatchInAnyCase_data();
    void namesMatchInAnyCase();
    void textsSurviveARestart_data();
    void textsSurviveARestart();
    void handEditedValuesReadAsTyped_data();
    void handEditedValuesReadAsTyped();
    void readingCreatesNothing();
    void pendingValuesReachTheDiskOnDestruction();
    void keepsWhatAnotherCopyWrote();
    void unreadableFileIsNeverWritten_data();
    void unreadableFileIsNeverWritten();
    void repairedFileKeepsWhatTheStoreNeverSaw_data();
    void repairedFileKeepsWhatTheStoreNeverSaw();
    void rereadTakesTheFileButWhatIsPending();
    void textThatNoLineHoldsKeepsItsOldLine();
    void unwritableStoreKeepsValuesInMemory_data();
    void unwritableStoreKeepsValuesInMemory();
    void problemIsReportedOnceAndClearsWhenFixed();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_configHome;
    QString fileName() const { return m_dir->filePath(u"Trevanto/Trevanto.ini"_s); }
};

void SettingsStoreTest::initTestCase() {
    // The user's own store must be private from the start.
    static QTemporaryDir configHome;
    QVERIFY(configHome.isValid());
    m_configHome = configHome.path();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome));
}

void SettingsStoreTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SettingsStoreTest::userStoreLivesInTheConfigFolder() {
    const QString expected = m_configHome + u"/Trevanto/Trevanto.ini"_s;
    {
        SettingsStore store;
        QCOMPARE(store.fileName(), expected);
        store.saveSetting(u"Settings"_s, u"eMail"_s, u"shop@example.com"_s);
        QVERIFY(store.commit());
    }
    QCOMPARE(onDisk(expected, u"Settings/eMail"_s), u"shop@example.com"_s);
}

void SettingsStoreTest::namesMatchInAnyCase_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::addRow("upper-case file") << "[SETTINGS]\nEMAIL=old\n"_ba
                                     << "Settings"
                                     << "eMail";
    QTest::addRow("upper-case read") << "[Settings]\neMail=old\n"_ba
                                     << "SETTINGS"
                                     << "EMAIL";
    QTest::addRow("lower-case file") << "[dropdowns]\nset1box1=old\n"_ba
                                     << "DropDowns"
                                     << "Set1Box1";
}

// A save under another spelling must replace the stored entry, never add a twin that hides it.
void SettingsStoreTest::namesMatchInAnyCase() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QVERIFY(writeIniFile(fileName(), file));

    SettingsStore store(fileName());
    QCOMPARE(store.getSetting(section, key, u"default"_s), u"old"_s);
    store.saveSetting(section, key, u"new"_s);
    QCOMPARE(store.getSetting(section.toLower(), key.toUpper(), u"default"_s), u"new"_s);
    QVERIFY(store.commit());
    QCOMPARE(readIniFile(fileName()), QByteArray(file).replace("=old", "=new"));
}

void SettingsStoreTest::textsSurviveARestart_data() {
    QTest::addColumn<QString>("text");

    QTest::addRow("empty") << "";
    QTest::addRow("blanks around") << "  Gift wrap  ";
    QTest::addRow("comma") << "Red, Green";
    QTest::addRow("quotes and backslash") << R"("say" "hi" \ bye)";
    QTest::addRow("comment and section marks") << "; [x] # y = z";
    QTest::addRow("leading at sign") << "@Variant(nothing)";
    QTest::addRow("non-ASCII") << u"Crème brûlée – 5 €"_s;
}

void SettingsStoreTest::textsSurviveARestart() {
    QFETCH(QString, text);
    {
        SettingsStore store(fileName());
        store.saveSetting(u"Settings"_s, u"txtNote"_s, text);
        QVERIFY(store.commit());
    }
    QCOMPARE(onDisk(fileName(), u"Settings/txtNote"_s), text);
    const SettingsStore restarted(fileName());
    QCOMPARE(restarted.getSetting(u"Settings"_s, u"txtNote"_s, u"default"_s), text);
    QVERIFY(restarted.problem().isEmpty());
}

void SettingsStoreTest::handEditedValuesReadAsTyped_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");

    QTest::addRow("unquoted comma") << "txtNote=Red, Green"_ba
                                    << "Red, Green";
    QTest::addRow("quoted, with escapes and a lone backslash") << R"(txtNote="\"a\" \\ \b")"_ba
                                                               << R"("a" \ \b)";
    QTest::addRow("quoted") << "txtNote=\"Gift wrap\""_ba
                            << "Gift wrap";
    QTest::addRow("blanks around the equals sign") << "txtNote = Gift wrap "_ba
                                                   << "Gift wrap";
}

// A value reads as typed: only a pair of enclosing quotes has escapes of its own.
void SettingsStoreTest::handEditedValuesReadAsTyped() {
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QVERIFY(writeIniFile(fileName(), "[Settings]\n" + line + '\n'));
    QCOMPARE(SettingsStore(fileName()).getSetting(u"Settings"_s, u"txtNote"_s, u"default"_s), text);
}

void SettingsStoreTest::readingCreatesNothing() {
    {
        SettingsStore store(fileName());
        QCOMPARE(store.getSetting(u"Settings"_s, u"eMail"_s, u"x"_s), u"x"_s);
        QVERIFY(store.commit());
    }
    QVERIFY(!QFileInfo::exists(QFileInfo(fileName()).absolutePath()));
}

void SettingsStoreTest::pendingValuesReachTheDiskOnDestruction() {
    SettingsStore(fileName()).saveSetting(u"Settings"_s, u"Price"_s, u"5"_s);
    QCOMPARE(onDisk(fileName(), u"Settings/Price"_s), u"5"_s);
}

// Two copies of the program share the store: a commit writes only its own keys.
void SettingsStoreTest::keepsWhatAnotherCopyWrote() {
    QVERIFY(writeIniFile(fileName(), "[Settings]\nItemName=Mug\n"));
    SettingsStore store(fileName());
    QVERIFY(writeIniFile(fileName(), "[Settings]\nItemName=Mug\neMail=other@example.com\n"));
    store.saveSetting(u"Settings"_s, u"Price"_s, u"9.99"_s);
    QVERIFY(store.commit());

    QCOMPARE(onDisk(fileName(), u"Settings/eMail"_s), u"other@example.com"_s);
    QCOMPARE(onDisk(fileName(), u"Settings/ItemName"_s), u"Mug"_s);
    QCOMPARE(onDisk(fileName(), u"Settings/Price"_s), u"9.99"_s);
}

void SettingsStoreTest::unreadableFileIsNeverWritten_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    QTest::addRow("a line that is no setting") << "[Settings]\neMail=a@b\nhello\n"_ba
                                               << "line 3 is not a section, a setting or a comment";
    QTest::addRow("a NUL byte") << "[Settings]\neMail=a@b\0\n"_ba
                                << "line 2 holds a control character (U+0000)";
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::addRow("UTF-16") << QByteArray(utf16(u"[Settings]\neMail=a@b\n"_s)) << "line 1 is not UTF-8 text";
}

void SettingsStoreTest::unreadableFileIsNeverWritten() {
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QVERIFY(writeIniFile(fileName(), file));

    SettingsStore store(fileName());
    QVERIFY(!store.isReadable());
    QVERIFY2(store.problem().contains(QDir::toNativeSeparators(fileName())), qPrintable(store.problem()));
    QVERIFY2(store.problem().contains(reason), qPrintable(store.problem()));
    // Nothing is taken from it: part of a damaged file could put a wrong e-mail into a form.
    QCOMPARE(store.getSetting(u"Settings"_s, u"eMail"_s, u"default"_s), u"default"_s);
    store.saveSetting(u"Settings"_s, u"eMail"_s, u"new@example.com"_s);
    QVERIFY(!store.commit());
    QCOMPARE(store.getSetting(u"Settings"_s, u"eMail"_s, {}), u"new@example.com"_s);
    QCOMPARE(readIniFile(fileName()), file);
}

void SettingsStoreTest::repairedFileKeepsWhatTheStoreNeverSaw_data() {
    QTest::addColumn<bool>("read");         // before the saves
    QTest::addColumn<QStringList>("saved"); // in turn, each committed
    QTest::addColumn<QString>("onDisk");

    QTest::addRow("saved as it was read") << true << QStringList{u""_s} << u"Mug"_s;
    QTest::addRow("changed, then back to what was read") << true << QStringList{u"Lamp"_s, u""_s} << u""_s;
    QTest::addRow("saved without a read") << false << QStringList{u""_s} << u""_s;
}

// The store handed out defaults for a file it could not read; saving one of them back changed nothing.
void SettingsStoreTest::repairedFileKeepsWhatTheStoreNeverSaw() {
    QFETCH(bool, read);
    QFETCH(QStringList, saved);
    QFETCH(QString, onDisk);
    QVERIFY(writeIniFile(fileName(), "[Settings]\nItemName=Mug\nbroken\n"));
    SettingsStore store(fileName());
    if (read)
        QCOMPARE(store.getSetting(u"Settings"_s, u"ItemName"_s, {}), QString());

    QVERIFY(writeIniFile(fileName(), "[Settings]\nItemName=Mug\neMail=shop@example.com\n"));
    for (const QString& value : saved) {
        store.saveSetting(u"Settings"_s, u"ItemName"_s, value);
        QVERIFY(store.commit());
    }
    QCOMPARE(::onDisk(fileName(), u"Settings/ItemName"_s), onDisk);
    QCOMPARE(::onDisk(fileName(), u"Settings/eMail"_s), u"shop@example.com"_s);
}

void SettingsStoreTest::rereadTakesTheFileButWhatIsPending() {
    QVERIFY(writeIniFile(fileName(), "[RecentFiles]\nFile1=a\nFile2=b\nFile3=c\n"));
    SettingsStore store(fileName());
    store.saveSetting(u"RecentFiles"_s, u"File1"_s, u"mine"_s);
    QVERIFY(writeIniFile(fileName(), "[RecentFiles]\nFile2=other\nFile4=new\n[Settings]\nItemName=Mug\n"));

    store.rereadSection(u"recentfiles"_s);
    QStringList read;
    for (const char* key : {"File1", "File2", "File3", "File4"})
        read << store.getSetting(u"RecentFiles"_s, QLatin1StringView(key), u"-"_s);
    QCOMPARE(read, (QStringList{u"mine"_s, u"other"_s, u"-"_s, u"new"_s}));
    QCOMPARE(store.getSetting(u"Settings"_s, u"ItemName"_s, u"-"_s), u"-"_s); // another section is left alone
}

// A setting is one line: a text with a line break stays in memory, and everything else still reaches the disk.
void SettingsStoreTest::textThatNoLineHoldsKeepsItsOldLine() {
    QVERIFY(writeIniFile(fileName(), "[Settings]\ntxtNote=old\nItemName=Mug\n"));
    SettingsStore store(fileName());
    store.saveSetting(u"Settings"_s, u"txtNote"_s, u"two\nlines"_s);
    store.saveSetting(u"Settings"_s, u"ItemName"_s, u"Lamp"_s);
    QVERIFY(!store.commit());
    QCOMPARE(readIniFile(fileName()), "[Settings]\ntxtNote=old\nItemName=Lamp\n"_ba);
    QCOMPARE(store.getSetting(u"Settings"_s, u"txtNote"_s, {}), u"two\nlines"_s);
    QVERIFY2(store.problem().contains(QDir::toNativeSeparators(fileName())), qPrintable(store.problem()));
    QVERIFY2(store.problem().contains(u"Settings/txtNote"_s), qPrintable(store.problem()));

    store.saveSetting(u"Settings"_s, u"txtNote"_s, u"one line"_s);
    QVERIFY(store.commit());
    QVERIFY(store.problem().isEmpty());
    QCOMPARE(onDisk(fileName(), u"Settings/txtNote"_s), u"one line"_s);
}

void SettingsStoreTest::unwritableStoreKeepsValuesInMemory_data() {
    QTest::addColumn<QString>("blocker"); // relative to the temporary folder
    QTest::addColumn<bool>("blockerIsFolder");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("reason");

    // Root ignores permission bits, so the store is blocked by what stands where it should be.
    QTest::addRow("the store's folder is a file")
        << "Trevanto" << false << true << "is a file, so no folder can be made";
    QTest::addRow("the store's file is a folder") << "Trevanto/Trevanto.ini" << true << false << "it is a folder";
}

// Known from the start, before anything is typed that could not be kept.
void SettingsStoreTest::unwritableStoreKeepsValuesInMemory() {
    QFETCH(QString, blocker);
    QFETCH(bool, blockerIsFolder);
    QFETCH(bool, readable);
    QFETCH(QString, reason);
    const QString blockerPath = m_dir->filePath(blocker);
    QVERIFY(blockerIsFolder ? QDir().mkpath(blockerPath) : writeIniFile(blockerPath, "not a folder"));

    SettingsStore store(fileName());
    QCOMPARE(store.isReadable(), readable);
    QVERIFY2(store.problem().contains(QDir::toNativeSeparators(fileName())), qPrintable(store.problem()));
    QVERIFY2(store.problem().contains(reason), qPrintable(store.problem()));
    store.saveSetting(u"Settings"_s, u"eMail"_s, u"shop@example.com"_s);
    QVERIFY(!store.commit());
    QCOMPARE(store.getSetting(u"Settings"_s, u"eMail"_s, {}), u"shop@example.com"_s);
    QCOMPARE(QFileInfo(blockerPath).isDir(), blockerIsFolder);
}

void SettingsStoreTest::problemIsReportedOnceAndClearsWhenFixed() {
    const QString blocker = m_dir->filePath(u"Trevanto"_s);
    QVERIFY(writeIniFile(blocker, "not a folder"));
    SettingsStore store(fileName());
    QVERIFY(!store.problem().isEmpty());
    QCOMPARE(store.takeProblemToReport(), store.problem());

    store.saveSetting(u"Settings"_s, u"eMail"_s, u"shop@example.com"_s);
    QVERIFY(!store.commit());
    QVERIFY(store.takeProblemToReport().isEmpty());

    // Once the way is clear, the values kept in memory reach the disk.
    QVERIFY(QFile::remove(blocker));
    QVERIFY(store.commit());
    QVERIFY(store.problem().isEmpty());
    QCOMPARE(onDisk(fileName(), u"Settings/eMail"_s), u"shop@example.com"_s);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
