// The program itself over a store the disk lets down: started and closed the way the merchant does it, it keeps
// what an earlier run stored, leaves no half-written file, and tells the merchant which file is in trouble.
#include "FaultyDisk.h"

#include "store/MerchantStore.h"
#include "store/SettingsStore.h"
#include "support/DialogAnswers.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace velmora;
using faults::Fault;
using faults::FaultyDisk;

class Form1FaultsTest : public QObject {
    Q_OBJECT

private slots:
    void merchantIsToldAndNothingStoredIsLost_data();
    void merchantIsToldAndNothingStoredIsLost();
};

void Form1FaultsTest::merchantIsToldAndNothingStoredIsLost_data() {
    QTest::addColumn<QByteArray>("randomFile"); // empty: an earlier run stored the merchant's settings
    QTest::addColumn<Fault>("fault");           // strikes once the window is on screen

    QTest::addRow("settings file of random bytes") << faults::randomBytes(7, 2048) << Fault::None;
    QTest::addRow("disk full") << QByteArray() << Fault::DiskFull;
    QTest::addRow("read-only folder") << QByteArray() << Fault::ReadOnlyFolder;
    QTest::addRow("file replaced by a folder") << QByteArray() << Fault::FileReplacedByFolder;
}

void Form1FaultsTest::merchantIsToldAndNothingStoredIsLost() {
    QFETCH(QByteArray, randomFile);
    QFETCH(Fault, fault);
    FaultyDisk disk(fault);
    if (!disk.unavailableBecause().isEmpty())
        QSKIP(qPrintable(disk.unavailableBecause()));
    const QString ini = disk.filePath(u"Trevanto/Trevanto.ini"_s);
    if (randomFile.isEmpty()) {
        SettingsStore earlier(ini);
        QVERIFY(saveMerchantSettings(earlier, {u"shop@example.com"_s, {}, {}, {}, {}}));
        QVERIFY(recordFirstRun(earlier));
    } else {
        QVERIFY(faults::writeFile(ini, randomFile));
    }

    DialogAnswers boxes;
    {
        Form1 window(ini);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(disk.strike(ini));
        const faults::FolderContent struck = disk.content();

        auto* itemName = window.findChild<QLineEdit*>(u"txtItemName"_s);
        QVERIFY(itemName);
        QTest::keyClicks(itemName, u"Mug"_s);
        window.close();
        QCOMPARE(disk.content(), struck);
    }

    const QStringList told = boxes.texts.filter(QDir::toNativeSeparators(ini));
    QVERIFY2(!told.isEmpty(), qPrintable(boxes.texts.join(u'\n')));
    QVERIFY2(told.size() == 1, qPrintable(told.join(u'\n'))); // once, not at every write that fails
}

int main(int argc, char* argv[]) {
    faults::enterPrivateMountNamespace(); // before any thread starts
    QApplication app(argc, argv);
    Form1FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "Form1FaultsTest.moc"
