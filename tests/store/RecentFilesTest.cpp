#include "store/RecentFiles.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora;

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void addingPutsTheFileFirst_data();
    void addingPutsTheFileFirst();
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

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
