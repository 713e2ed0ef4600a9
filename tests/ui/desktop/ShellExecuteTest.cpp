#include "ui/desktop/ShellExecute.h"

#include "support/DialogAnswers.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using velmora::ShellExecute;

namespace {

const QString Message = QStringLiteral("Trevanto | Couldn't load the default application | icon 0 | 1 button(s)");
const QString Chooser = QStringLiteral("file dialog");

} // namespace

class ShellExecuteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void onlyAMissingProgramIsReported_data();
    void onlyAMissingProgramIsReported();
    void chosenProgramGetsTheAddress_data();
    void chosenProgramGetsTheAddress();

private:
    void writeStandIn(const QString& name, int exitStatus);
    QStringList linesOf(const QString& name) const;
    static void runToEnd(const QUrl& address);

    QTemporaryDir m_dir;
    QByteArray m_systemPath;
};

void ShellExecuteTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_systemPath = qgetenv("PATH");
    writeStandIn(QStringLiteral("browser"), 0);
}

void ShellExecuteTest::init() {
    QFile::remove(m_dir.filePath(QStringLiteral("xdg-open")));
    QFile::remove(m_dir.filePath(QStringLiteral("xdg-open.args")));
    QFile::remove(m_dir.filePath(QStringLiteral("browser.args")));
    qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_systemPath);
}

// A program that notes its arguments in NAME.args, one a line, and exits with the given status.
void ShellExecuteTest::writeStandIn(const QString& name, int exitStatus) {
    QFile script(m_dir.filePath(name));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.args'\nexit %2\n")
                     .arg(script.fileName())
                     .arg(exitStatus)
                     .toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}

QStringList ShellExecuteTest::linesOf(const QString& name) const {
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void ShellExecuteTest::runToEnd(const QUrl& address) {
    QPointer<ShellExecute> job = ShellExecute::open(address);
    QSignalSpy finished(job.data(), &ShellExecute::finished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(job.isNull(), "the job cleans up after itself");
}

void ShellExecuteTest::onlyAMissingProgramIsReported_data() {
    QTest::addColumn<int>("exitStatus"); // -1: no xdg-open at all
    QTest::addColumn<QStringList>("dialogs");

    QTest::addRow("opened") << 0 << QStringList();
    QTest::addRow("syntax error") << 1 << QStringList();
    QTest::addRow("address not found") << 2 << QStringList();
    QTest::addRow("no program registered") << 3 << QStringList{Message, Chooser};
    QTest::addRow("program failed") << 4 << QStringList();
    QTest::addRow("xdg-open missing") << -1 << QStringList();
}

void ShellExecuteTest::onlyAMissingProgramIsReported() {
    QFETCH(int, exitStatus);
    QFETCH(QStringList, dialogs);

    if (exitStatus < 0)
        qputenv("PATH", m_dir.path().toLocal8Bit()); // scripts name /bin/sh themselves
    else
        writeStandIn(QStringLiteral("xdg-open"), exitStatus);

    const QUrl address(QStringLiteral("https://example.com/help.html"));
    DialogAnswers answerer;
    answerer.answerMessage(QMessageBox::Ok).answerFileName(QString());
    runToEnd(address);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(answerer.seen, dialogs);
    if (exitStatus >= 0)
        QCOMPARE(linesOf(QStringLiteral("xdg-open.args")), QStringList{address.toString()});
    QVERIFY2(linesOf(QStringLiteral("browser.args")).isEmpty(), "nothing else is started");
}

void ShellExecuteTest::chosenProgramGetsTheAddress_data() {
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<QString>("passed");

    QTest::addRow("web address") << QUrl(QStringLiteral("https://example.com/help.html#fields"))
                                 << QStringLiteral("https://example.com/help.html#fields");
    // One argument, never a command line: blanks and shell syntax in the address stay inert.
    QTest::addRow("file with blanks and shell syntax")
        << QUrl::fromLocalFile(QStringLiteral("/tmp/my help/$(touch x); page.html"))
        << QStringLiteral("file:///tmp/my%20help/$(touch%20x);%20page.html");
}

void ShellExecuteTest::chosenProgramGetsTheAddress() {
    QFETCH(QUrl, address);
    QFETCH(QString, passed);

    writeStandIn(QStringLiteral("xdg-open"), 3);
    DialogAnswers answerer;
    answerer.answerMessage(QMessageBox::Ok).answerFileName(m_dir.filePath(QStringLiteral("browser")));
    runToEnd(address);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(answerer.seen, (QStringList{Message, Chooser}));
    QCOMPARE(linesOf(QStringLiteral("xdg-open.args")), QStringList{passed});
    QTRY_COMPARE(linesOf(QStringLiteral("browser.args")), QStringList{passed});
}

QTEST_MAIN(ShellExecuteTest)
#include "ShellExecuteTest.moc"
