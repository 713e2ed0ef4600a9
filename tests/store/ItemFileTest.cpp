#include "store/ItemFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

ItemRecord sampleRecord() {
    ItemRecord record;
    record[ItemValueId::ItemName] = u"Café mug, \"large\" "_s;
    record[ItemValueId::Price] = u"5.00 €"_s;
    record[ItemValueId::Option1Active] = u"1"_s;
    record[ItemValueId::Option1TextBox] = u"1"_s;
    record[ItemValueId::Option1Values + 9] = u" Straße"_s;
    record[ItemValueId::Note] = u"2"_s;
    return record;
}

const QByteArray OldContent = "Old\xA5\xA5"
                              "1.00\xA5\r\n";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ItemFileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void savesAndOpensEveryField();
    void savesUnderTheNameAsTyped();
    void refusesToOpen_data();
    void refusesToOpen();
    void opensAFileOfExactlyTheLimit();
    void failedSaveLeavesTheOldFile_data();
    void failedSaveLeavesTheOldFile();
    void fullDiskIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void ItemFileTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void ItemFileTest::savesAndOpensEveryField() {
    const QString file = path(u"mug.tqf"_s);
    const ItemSaveResult saved = writeItemFile(file, sampleRecord());
    QVERIFY2(saved.ok(), qPrintable(saved.error));

    const ItemRecordResult opened = readItemFile(file, RecordCheck::Lenient);
    QVERIFY2(opened.ok(), qPrintable(opened.error));
    QCOMPARE(opened.record, sampleRecord());
}

void ItemFileTest::savesUnderTheNameAsTyped() {
    QVERIFY(writeItemFile(path(u"mug"_s), sampleRecord()).ok());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"mug"_s});
}

void ItemFileTest::refusesToOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // written first unless empty
    QTest::addColumn<QString>("reason");

    QTest::addRow("missing") << u"missing.tqf"_s << QByteArray() << u"No such file or directory"_s;
    QTest::addRow("folder") << u"."_s << QByteArray() << u"it is a folder"_s;
    QTest::addRow("over 1 MiB") << u"big.tqf"_s << QByteArray(MaxItemFileSize, ' ') + "\xA5"
                                << u"not an item file (larger than 1 MiB)"_s;
    QTest::addRow("too many separators") << u"many.tqf"_s << QByteArray(37, '\xA5')
                                         << u"not an item file (37 field separators where an item has 36)"_s;
    QTest::addRow("check box out of range")
        << u"box.tqf"_s << QByteArray(5, '\xA5') + "7\xA5" << u"\"Option set 1, in use\" reads \"7\""_s;
}

void ItemFileTest::refusesToOpen() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    if (!content.isEmpty())
        writeFile(path(name), content);
    const ItemRecordResult opened = readItemFile(path(name), RecordCheck::Lenient);
    QVERIFY(!opened.ok());
    QVERIFY2(opened.error.startsWith(u"Couldn't open \"%1\": "_s.arg(path(name))), qPrintable(opened.error));
    QVERIFY2(opened.error.contains(reason), qPrintable(opened.error));
    if (!content.isEmpty())
        QCOMPARE(contentOf(path(name)), content);
}

void ItemFileTest::opensAFileOfExactlyTheLimit() {
    const QByteArray line = "Mug\xA5\r\n";
    writeFile(path(u"edge.tqf"_s), QByteArray(MaxItemFileSize - line.size(), '\n') + line);
    const ItemRecordResult opened = readItemFile(path(u"edge.tqf"_s), RecordCheck::Lenient);
    QVERIFY2(opened.ok(), qPrintable(opened.error));
    QCOMPARE(opened.record[0], u"Mug");
}

void ItemFileTest::failedSaveLeavesTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");

    QTest::addRow("separator in a field") << u"old.tqf"_s << u"Yen ¥"_s << false << u"Item name: \"¥\""_s;
    QTest::addRow("character outside Windows-1252") << u"old.tqf"_s << u"茶"_s << false << u"Item name: \"茶\""_s;
    QTest::addRow("disk full") << u"old.tqf"_s << u"Mug"_s << true << u"File too large"_s;
    QTest::addRow("folder is a file") << u"old.tqf/new.tqf"_s << u"Mug"_s << false << u"Not a directory"_s;
    QTest::addRow("name of a folder") << u"folder"_s << u"Mug"_s << false << u"directory"_s;
}

void ItemFileTest::failedSaveLeavesTheOldFile() {
    QFETCH(QString, name);
    QFETCH(QString, itemName);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);

    writeFile(path(u"old.tqf"_s), OldContent);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
    const QStringList entriesBefore = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

    ItemRecord record = sampleRecord();
    record[ItemValueId::ItemName] = itemName;
    ItemSaveResult saved;
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(8);
        saved = writeItemFile(path(name), record);
    }

    QVERIFY(!saved.ok());
    QVERIFY2(saved.error.startsWith(u"Couldn't save \"%1\": "_s.arg(path(name))), qPrintable(saved.error));
    QVERIFY2(saved.error.contains(reason), qPrintable(saved.error));
    QCOMPARE(contentOf(path(u"old.tqf"_s)), OldContent);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore);
}

void ItemFileTest::fullDiskIsReported() {
    // A plain QFile: a save file would put its temporary copy into /dev and rename it over the device.
    QFile full(u"/dev/full"_s);
    QVERIFY(full.open(QIODevice::WriteOnly));
    const ItemSaveResult written = writeItemBytes(full, "Mug\xA5\r\n");
    QVERIFY(!written.ok());
    QCOMPARE(written.error, u"Couldn't save \"/dev/full\": No space left on device."_s);
}

QTEST_APPLESS_MAIN(ItemFileTest)
#include "ItemFileTest.moc"
