#include "ui/desktop/HelpPage.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

using velmora::helpPageUrl;

class HelpPageTest : public QObject {
    Q_OBJECT

private slots:
    void fromTheBuildTreeTheSourceCopyIsOpened();
    void anInstalledCopyWins();
};

void HelpPageTest::fromTheBuildTreeTheSourceCopyIsOpened() {
    const QUrl page = helpPageUrl();
    QVERIFY(page.isLocalFile());
    QVERIFY2(QFile::exists(page.toLocalFile()), qPrintable(page.toString()));
    QCOMPARE(QFileInfo(page.toLocalFile()).fileName(), QStringLiteral("index.html"));
}

void HelpPageTest::anInstalledCopyWins() {
    // Lay out what an install puts beside this executable: <prefix>/bin and <prefix>/share/velmora/help.
    const QDir prefix(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    const QString helpDir = prefix.absoluteFilePath(QStringLiteral("share/velmora/help"));
    const auto removeIt =
        qScopeGuard([&] { QDir(prefix.absoluteFilePath(QStringLiteral("share"))).removeRecursively(); });
    QVERIFY(QDir().mkpath(helpDir));
    QFile page(helpDir + QStringLiteral("/index.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();

    QCOMPARE(helpPageUrl(), QUrl::fromLocalFile(QDir::cleanPath(page.fileName())));
}

QTEST_GUILESS_MAIN(HelpPageTest)
#include "HelpPageTest.moc"
