// The settings store when the disk lets it down: what an earlier run stored survives, no half-written file is
// left behind, the run goes on with what the user changed, and the problem names the file and the reason, ready
// for the window to show.
#include "FaultyDisk.h"

#include "store/MerchantStore.h"
#include "store/SettingKeys.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace velmora;
using faults::Fault;
using faults::FaultyDisk;

namespace {

const MerchantSettings Stored{u"shop@example.com"_s, u"https://shop.example/logo.png"_s, u"https://shop.example/ok"_s,
                              u"https://shop.example/cancel"_s, u"https://shop.example/buy.png"_s};
const MerchantSettings Changed{u"new@example.com"_s, {}, u"https://shop.example/thanks"_s, {}, {}};

QStringList fieldsOf(const MerchantSettings& settings) {
    return {settings.eMail, settings.StoreLogo, settings.PurchaseSuccessURL, settings.PurchaseCancelURL,
            settings.ButtonImageURL};
}

QString iniPathOn(const FaultyDisk& disk) {
    return disk.filePath(u"Trevanto/Trevanto.ini"_s);
}

void storeAsAnEarlierRunDid(const QString& iniPath) {
    SettingsStore earlier(iniPath);
    QVERIFY(saveMerchantSettings(earlier, Stored));
    QVERIFY(recordFirstRun(earlier));
}

} // namespace

class SettingsStoreFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void failedSaveKeepsWhatIsStored_data();
    void failedSaveKeepsWhatIsStored();
    void problemsAreKnownFromTheStart_data();
    void problemsAreKnownFromTheStart();
    void unreadableFileIsNeverOverwritten_data();
    void unreadableFileIsNeverOverwritten();
    void folderRemovedWhileRunningIsMadeAgain();
};

void SettingsStoreFaultsTest::failedSaveKeepsWhatIsStored_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::addRow("disk full") << Fault::DiskFull << u"No space left on device"_s;
    QTest::addRow("read-only folder") << Fault::ReadOnlyFolder << u"is not writable"_s;
    QTest::addRow("file replaced by a folder") << Fault::FileReplacedByFolder << u"it is a folder, not a file"_s;
}

void SettingsStoreFaultsTest::failedSaveKeepsWhatIsStored() {
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    FaultyDisk disk(fault);
    if (!disk.unavailableBecause().isEmpty())
        QSKIP(qPrintable(disk.unavailableBecause()));
    const QString ini = iniPathOn(disk);
    storeAsAnEarlierRunDid(ini);

    SettingsStore store(ini);
    QCOMPARE(fieldsOf(loadMerchantSettings(store)), fieldsOf(Stored));
    QVERIFY(disk.strike(ini));
    const faults::FolderContent struck = disk.content();

    QVERIFY(!saveMerchantSettings(store, Changed));
    QCOMPARE(disk.content(), struck);
    QCOMPARE(fieldsOf(loadMerchantSettings(store)), fieldsOf(Changed)); // kept for the rest of the run
    QVERIFY2(store.problem().contains(ini), qPrintable(store.problem()));
    QVERIFY2(store.problem().contains(reason), qPrintable(store.problem()));
    QCOMPARE(store.takeProblemToReport(), store.problem());

    // Once the way is clear again, the changes reach the disk and the earlier values are still there.
    QVERIFY(disk.clear(ini));
    QVERIFY(store.commit());
    const SettingsStore nextRun(ini);
    QCOMPARE(fieldsOf(loadMerchantSettings(nextRun)), fieldsOf(Changed));
    QVERIFY(hasBeenRun(nextRun));
}

void SettingsStoreFaultsTest::problemsAreKnownFromTheStart_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("reason");

    QTest::addRow("read-only folder") << Fault::ReadOnlyFolder << true << u"it is not writable"_s;
    QTest::addRow("folder that cannot be entered") << Fault::UnenterableFolder << false << u"Permission denied"_s;
}

// Before anything is typed that could not be kept: a read-only store still gives what it holds, one that cannot
// be read gives nothing, and neither is touched.
void SettingsStoreFaultsTest::problemsAreKnownFromTheStart() {
    QFETCH(Fault, fault);
    QFETCH(bool, readable);
    QFETCH(QString, reason);
    FaultyDisk disk(fault);
    if (!disk.unavailableBecause().isEmpty())
        QSKIP(qPrintable(disk.unavailableBecause()));
    const QString ini = iniPathOn(disk);
    storeAsAnEarlierRunDid(ini);
    const faults::FolderContent before = disk.content();

    QVERIFY(disk.strike(ini));
    bool wasReadable = false;
    QString problem;
    MerchantSettings loaded;
    {
        SettingsStore store(ini);
        wasReadable = store.isReadable();
        problem = store.problem();
        loaded = loadMerchantSettings(store);
        saveMerchantSettings(store, Changed);
    }
    QVERIFY(disk.clear(ini));

    QCOMPARE(wasReadable, readable);
    QVERIFY2(problem.contains(ini) && problem.contains(reason), qPrintable(problem));
    QCOMPARE(loaded.eMail, readable ? Stored.eMail : QString(placeholderEmail));
    QCOMPARE(disk.content(), before);
}

void SettingsStoreFaultsTest::unreadableFileIsNeverOverwritten_data() {
    QTest::addColumn<QByteArray>("bytes");

    for (const quint32 seed : {1u, 2u, 3u})
        QTest::addRow("4 KiB of random bytes, seed %u", seed) << faults::randomBytes(seed, 4096);
    QTest::addRow("a single random byte") << faults::randomBytes(4, 1);
    QTest::addRow("random bytes after a valid section") << "[Settings]\neMail=a@b\n" + faults::randomBytes(5, 64);
    QTest::addRow("a line of no kind before a carriage return") << "[DropDowBox2\xEF\xBB\xBF; mine\r="_ba;
    QTest::addRow("a NUL byte in a value") << "[Settings]\neMail=a@b\0\n"_ba;
    QTest::addRow("an escape byte in a value") << "[Settings]\neMail=\x1b[31ma@b\n"_ba;
}

void SettingsStoreFaultsTest::unreadableFileIsNeverOverwritten() {
    QFETCH(QByteArray, bytes);
    FaultyDisk disk(Fault::None);
    const QString ini = iniPathOn(disk);
    QVERIFY(faults::writeFile(ini, bytes));
    const faults::FolderContent before = disk.content();

    {
        SettingsStore store(ini);
        QVERIFY2(store.problem().contains(ini), qPrintable(store.problem()));
        // The run goes on with defaults, and what the user saves lasts until the program closes.
        QVERIFY(!recordFirstRun(store));
        QVERIFY(!saveMerchantSettings(store, Changed));
        QCOMPARE(fieldsOf(loadMerchantSettings(store)), fieldsOf(Changed));
        QVERIFY(hasBeenRun(store));
    } // closing tries once more
    QCOMPARE(disk.content(), before);
}

// Someone deletes the store's folder while the program runs: the next save makes it again and puts back
// everything the program knew, not only what changed since it started.
void SettingsStoreFaultsTest::folderRemovedWhileRunningIsMadeAgain() {
    FaultyDisk disk(Fault::None);
    const QString ini = iniPathOn(disk);
    storeAsAnEarlierRunDid(ini);
    SettingsStore store(ini);
    const MerchantSettings loaded = loadMerchantSettings(store);
    QVERIFY(QDir(QFileInfo(ini).absolutePath()).removeRecursively());

    store.saveSetting(u"Settings"_s, u"ItemName"_s, u"Mug"_s);
    QVERIFY(store.commit());
    QVERIFY(store.problem().isEmpty());

    const SettingsStore nextRun(ini);
    QCOMPARE(nextRun.getSetting(u"Settings"_s, u"ItemName"_s, {}), u"Mug"_s);
    QCOMPARE(fieldsOf(loadMerchantSettings(nextRun)), fieldsOf(loaded));
    QVERIFY(hasBeenRun(nextRun));
}

int main(int argc, char* argv[]) {
    faults::enterPrivateMountNamespace(); // before any thread starts
    QCoreApplication app(argc, argv);
    SettingsStoreFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SettingsStoreFaultsTest.moc"
