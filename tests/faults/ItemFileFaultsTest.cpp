// Saving and opening item files when the disk lets the merchant down: an item saved earlier is never lost or
// half overwritten, no temporary copy is left behind, and the message names the file and the reason.
#include "FaultyDisk.h"

#include "store/ItemFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace velmora;
using faults::Fault;
using faults::FaultyDisk;

namespace {

ItemRecord itemNamed(const QString& name) {
    ItemRecord record;
    record[ItemValueId::ItemName] = name;
    record[ItemValueId::Price] = u"5.00"_s;
    record[ItemValueId::ShippingAddress] = u"1"_s;
    return record;
}

const ItemRecord Saved = itemNamed(u"Mug, \"large\""_s);
const ItemRecord Edited = itemNamed(u"Mug, \"small\""_s);

} // namespace

class ItemFileFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void failedSaveKeepsTheSavedItem_data();
    void failedSaveKeepsTheSavedItem();
    void cliSaysWhenItsOutputCannotBeWritten();
};

void ItemFileFaultsTest::failedSaveKeepsTheSavedItem_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("saveReason");
    QTest::addColumn<QString>("openReason"); // empty: the item saved earlier still opens

    QTest::addRow("disk full") << Fault::DiskFull << u"No space left on device"_s << QString();
    QTest::addRow("read-only folder") << Fault::ReadOnlyFolder << u"is not writable"_s << QString();
    QTest::addRow("file replaced by a folder") << Fault::FileReplacedByFolder << u"directory"_s << u"it is a folder"_s;
}

void ItemFileFaultsTest::failedSaveKeepsTheSavedItem() {
    QFETCH(Fault, fault);
    QFETCH(QString, saveReason);
    QFETCH(QString, openReason);
    FaultyDisk disk(fault);
    if (!disk.unavailableBecause().isEmpty())
        QSKIP(qPrintable(disk.unavailableBecause()));
    const QString item = disk.filePath(u"mug.tqf"_s);
    QVERIFY(writeItemFile(item, Saved).ok());
    QVERIFY(disk.strike(item));
    const faults::FolderContent struck = disk.content();

    const ItemSaveResult saved = writeItemFile(item, Edited);
    QVERIFY(!saved.ok());
    QVERIFY2(saved.error.startsWith(u"Couldn't save \"%1\": "_s.arg(item)), qPrintable(saved.error));
    QVERIFY2(saved.error.contains(saveReason), qPrintable(saved.error));
    QCOMPARE(disk.content(), struck);

    const ItemRecordResult opened = readItemFile(item, RecordCheck::Lenient);
    if (openReason.isEmpty()) {
        QVERIFY2(opened.ok(), qPrintable(opened.error));
        QCOMPARE(opened.record, Saved);
    } else {
        QVERIFY2(opened.error.startsWith(u"Couldn't open \"%1\": "_s.arg(item)), qPrintable(opened.error));
        QVERIFY2(opened.error.contains(openReason), qPrintable(opened.error));
    }

    // The merchant clears the way and saves again.
    QVERIFY(disk.clear(item));
    QVERIFY(writeItemFile(item, Edited).ok());
    QCOMPARE(readItemFile(item, RecordCheck::Lenient).record, Edited);
}

// A catalogue piped into a full disk must fail loudly, not end as if the pages were written.
void ItemFileFaultsTest::cliSaysWhenItsOutputCannotBeWritten() {
    FaultyDisk disk(Fault::None);
    const QString item = disk.filePath(u"mug.tqf"_s);
    QVERIFY(writeItemFile(item, Saved).ok());
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, disk.filePath(u"config"_s)); // an empty store of its own
    cli.setProcessEnvironment(environment);
    cli.setStandardOutputFile(u"/dev/full"_s);
    cli.start(QStringLiteral(VELMORA_CLI_PATH), {u"form"_s, item});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 2);
    QCOMPARE(cli.readAllStandardError(), "velmora-cli: Couldn't write the output.\n"_ba);
}

int main(int argc, char* argv[]) {
    faults::enterPrivateMountNamespace(); // before any thread starts
    QCoreApplication app(argc, argv);
    ItemFileFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ItemFileFaultsTest.moc"
