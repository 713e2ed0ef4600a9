#include "store/ItemRecordCodec.h"

#include "support/IniFiles.h"
#include "support/ItemRecords.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

class ProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void startWithoutADisplay_data();
    void startWithoutADisplay();
    void opensTheItemFileItIsGiven();
};

void ProgramsTest::startWithoutADisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("display"); // empty: none set

    const QString velmora = QStringLiteral(VELMORA_PATH);
    const QString cli = QStringLiteral(VELMORA_CLI_PATH);
    QTest::addRow("velmora --version") << velmora << QStringList{u"--version"_s} << 0 << QByteArray("velmora 2.0\n")
                                       << QString();
    QTest::addRow("velmora-cli --version")
        << cli << QStringList{u"--version"_s} << 0 << QByteArray("velmora-cli 2.0\n") << QString();
    QTest::addRow("velmora-cli --version after a command")
        << cli << QStringList{u"form"_s, u"--version"_s} << 0 << QByteArray("velmora-cli 2.0\n") << QString();
    // Only the version is answered early: the window itself still needs a display.
    QTest::addRow("velmora") << velmora << QStringList{} << 1 << QByteArray() << QString();
    QTest::addRow("velmora, DISPLAY naming no server") << velmora << QStringList{} << 1 << QByteArray() << u":987"_s;
}

void ProgramsTest::startWithoutADisplay() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exit);
    QFETCH(QByteArray, out);
    QFETCH(QString, display);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    if (!display.isEmpty())
        environment.insert(u"DISPLAY"_s, display);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60'000));

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.readAllStandardOutput(), out);
    // One line saying why, not the toolkit's advice.
    QCOMPARE(process.readAllStandardError().count('\n'), exit == 0 ? 0 : 1);
    QCOMPARE(process.exitCode(), exit);
}

// As the file manager starts it: the item is in the window, and so in the store once the window has closed.
void ProgramsTest::opensTheItemFileItIsGiven() {
    QTemporaryDir dir;
    const QString store = dir.filePath(u"Trevanto/Trevanto.ini"_s);
    const QString item = dir.filePath(u"mug.tqf"_s);
    QVERIFY(writeIniFile(store, "[Settings]\nHasBeenRun=True\n"));
    QVERIFY(
        writeIniFile(item, velmora::encodeItemRecord(recordWith({{velmora::ItemValueId::ItemName, u"Mug"_s}})).bytes));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, dir.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_PATH), {item});
    // The file joins the recent files as it opens; then the window is closed as the session ends.
    QTRY_COMPARE_WITH_TIMEOUT(onDisk(store, u"RecentFiles/File1"_s), item, 30'000);
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(30'000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(onDisk(store, u"Settings/ItemName"_s), u"Mug"_s);
}

QTEST_GUILESS_MAIN(ProgramsTest)
#include "ProgramsTest.moc"
