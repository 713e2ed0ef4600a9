#include "store/RecentFiles.h"
#include "store/SettingsStore.h"

#include "support/IniFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora;

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void addingPutsTheFileFirst_data();
    void addingPutsTheFileFirst();
    void missingFilesDropOut();
    void listSurvivesARestartInItsOwnSection();
};

void RecentFilesTest::addingPutsTheFileFirst_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");

    QTest::addRow("into an empty list") << QStringList{} << u"/a.tqf"_s << QStringList{u"/a.tqf"_s};
    QTest::addRow("before the others") << QStringList{u"/a.tqf"_s, u"/b.tqf"_s} << u"/c.tqf"_s
                                       << QStringList{u"/c.tqf"_s, u"/a.tqf"_s, u"/b.tqf"_s};
    QTest::addRow("a listed file moves up, once") << QStringList{u"/a.tqf"_s, u"/b.tqf"_s, u"/c.tqf"_s} << u"/c.tqf"_s
                                                  << QStringList{u"/c.tqf"_s, u"/a.tqf"_s, u"/b.tqf"_s};
    QTest::addRow("the same file by another path")
        << QStringList{u"/a.tqf"_s, u"/d/b.tqf"_s} << u"/d/../d/./b.tqf"_s << QStringList{u"/d/b.tqf"_s, u"/a.tqf"_s};
    QTest::addRow("five at most, the oldest drops")
        << QStringList{u"/1"_s, u"/2"_s, u"/3"_s, u"/4"_s, u"/5"_s} << u"/6"_s
        << QStringList{u"/6"_s, u"/1"_s, u"/2"_s, u"/3"_s, u"/4"_s};
}

void RecentFilesTest::addingPutsTheFileFirst() {
    QFETCH(QStringList, before);
    QFETCH(QString, added);
    QFETCH(QStringList, after);
    QCOMPARE(withRecentFile(before, added), after);
}

void RecentFilesTest::missingFilesDropOut() {
    QTemporaryDir dir;
    QVERIFY(writeIniFile(dir.filePath(u"kept.tqf"_s), "x"));
    QVERIFY(writeIniFile(dir.filePath(u"also.tqf"_s), "x"));
    const QStringList files{dir.filePath(u"kept.tqf"_s), dir.filePath(u"gone.tqf"_s), dir.filePath(u"also.tqf"_s)};
    QCOMPARE(withoutMissingFiles(files), (QStringList{files[0], files[2]}));
}

void RecentFilesTest::listSurvivesARestartInItsOwnSection() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"Trevanto.ini"_s);
    QVERIFY(writeIniFile(fileName, "[Settings]\nItemName=Mug\n"));
    {
        SettingsStore store(fileName);
        QCOMPARE(loadRecentFiles(store), QStringList());
        QVERIFY(saveRecentFiles(store, {u"/old.tqf"_s, u"/older.tqf"_s, u"/oldest.tqf"_s}));
        QVERIFY(saveRecentFiles(store, {u"/new.tqf"_s, u"/old.tqf"_s}));
    }
    QCOMPARE(onDisk(fileName, u"RecentFiles/File1"_s), u"/new.tqf"_s);
    QCOMPARE(onDisk(fileName, u"RecentFiles/File3"_s), QString()); // a shorter list leaves no stale entry
    QCOMPARE(onDisk(fileName, u"Settings/ItemName"_s), u"Mug"_s);
    const SettingsStore restarted(fileName);
    QCOMPARE(loadRecentFiles(restarted), (QStringList{u"/new.tqf"_s, u"/old.tqf"_s}));
}

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
