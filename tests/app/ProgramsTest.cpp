#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class ProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void startWithoutADisplay_data();
    void startWithoutADisplay();
};

void ProgramsTest::startWithoutADisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QByteArray>("out");

    const QString velmora = QStringLiteral(VELMORA_PATH);
    const QString cli = QStringLiteral(VELMORA_CLI_PATH);
    QTest::addRow("velmora --version") << velmora << QStringList{u"--version"_s} << 0 << QByteArray("velmora 2.0\n");
    QTest::addRow("velmora-cli --version")
        << cli << QStringList{u"--version"_s} << 0 << QByteArray("velmora-cli 2.0\n");
    QTest::addRow("velmora-cli --version after a command")
        << cli << QStringList{u"form"_s, u"--version"_s} << 0 << QByteArray("velmora-cli 2.0\n");
    // Only the version is answered early: the window itself still needs a display.
    QTest::addRow("velmora") << velmora << QStringList{} << 1 << QByteArray();
}

void ProgramsTest::startWithoutADisplay() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exit);
    QFETCH(QByteArray, out);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60'000));

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.readAllStandardOutput(), out);
    QCOMPARE(process.readAllStandardError().isEmpty(), exit == 0);
    QCOMPARE(process.exitCode(), exit);
}

QTEST_GUILESS_MAIN(ProgramsTest)
#include "ProgramsTest.moc"
