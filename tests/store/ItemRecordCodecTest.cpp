#include "store/ItemRecordCodec.h"
#include "support/ExtensionValues.h"

#include <QStringDecoder>
#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

namespace {

QByteArray windows1252(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        if (c == u'¥')
            bytes += '\xA5';
        else if (c == u'€')
            bytes += '\x80';
        else
            bytes += char(c.toLatin1());
    }
    return bytes;
}

// The item of the file format's own example: Mug at 5.00, shipping address asked, no note, both sets unused.
ItemRecord mugRecord() {
    ItemRecord record;
    record[ItemValueId::ItemName] = u"Mug"_s;
    record[ItemValueId::Price] = u"5.00"_s;
    record[ItemValueId::Option1Active] = u"0"_s;
    record[ItemValueId::Option1DropDown] = u"1"_s;
    record[ItemValueId::Option1TextBox] = u"0"_s;
    record[ItemValueId::Option2Active] = u"0"_s;
    record[ItemValueId::Option2DropDown] = u"1"_s;
    record[ItemValueId::Option2TextBox] = u"0"_s;
    record[ItemValueId::ShippingAddress] = u"1"_s;
    record[ItemValueId::Note] = u"0"_s;
    record[ItemValueId::NoteTitle] = u"Special Instructions (optional)"_s;
    return record;
}

// Every text field holds the text, told apart by its index; the other fields vary with it.
ItemRecord recordOf(const QString& text) {
    ItemRecord record;
    for (int i = 0; i < ItemValueId::Count; ++i) {
        if (itemValue(i).kind == ItemValueKind::Choice)
            continue; // at its default: a choice holds only its own texts
        switch (storedKind(itemValue(i).kind)) {
        case ValueKind::Text:
            record[i] = text + QString::number(i);
            break;
        case ValueKind::CheckBox:
            record[i] = itemFieldText(i % 3);
            break;
        case ValueKind::Boolean:
            record[i] = itemFieldText(i % 2 == 1);
            break;
        }
    }
    return record;
}

// The format example's record with the two values beyond it.
ItemRecord extendedMug(const QString& note, const QString& gift) {
    ItemRecord record = extension::recordOf(mugRecord());
    record[extension::Note] = note;
    record[extension::Gift] = gift;
    return record;
}

QString everyWindows1252CharacterButTheSeparator() {
    QByteArray bytes;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte != 0xA5 && byte != 0x7F)
            bytes += char(byte);
    }
    return QStringDecoder("windows-1252").decode(bytes);
}

} // namespace

class ItemRecordCodecTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheFormatExampleByteForByte();
    void writesWindows1252();
    void roundTrips_data();
    void roundTrips();
    void readsTheLastLine_data();
    void readsTheLastLine();
    void refusesWhatIsNoItem_data();
    void refusesWhatIsNoItem();
    void refusesFieldsItCannotStore_data();
    void refusesFieldsItCannotStore();
    void namesEveryFieldItCannotStore();

    void writesValueLinesBeforeTheRecord_data();
    void writesValueLinesBeforeTheRecord();
    void readsValueLines_data();
    void readsValueLines();
    void refusesValueLines_data();
    void refusesValueLines();
    void refusesAValueLineItCannotStore();
};

void ItemRecordCodecTest::writesTheFormatExampleByteForByte() {
    const QString line = u"Mug¥¥5.00¥¥¥0¥¥1¥0¥¥¥¥¥¥¥¥¥¥¥0¥¥1¥0¥¥¥¥¥¥¥¥¥¥¥1¥0¥Special Instructions (optional)¥"_s;
    QCOMPARE(line.size(), 82);

    const ItemBytesResult encoded = encodeItemRecord(mugRecord());
    QVERIFY2(encoded.ok(), qPrintable(encoded.error));
    QCOMPARE(encoded.bytes, windows1252(line) + "\r\n");
    QCOMPARE(encoded.bytes.count('\xA5'), 36);
}

void ItemRecordCodecTest::writesWindows1252() {
    ItemRecord record;
    record[0] = u"é€ß"_s;
    QVERIFY(encodeItemRecord(record).bytes.startsWith("\xE9\x80\xDF\xA5"));
}

void ItemRecordCodecTest::roundTrips_data() {
    QTest::addColumn<ItemRecord>("record");

    QTest::addRow("format example") << mugRecord();
    QTest::addRow("all empty") << ItemRecord{};
    QTest::addRow("Windows-1252 letters") << recordOf(u"Café € Straße "_s);
    QTest::addRow("commas and double quotes") << recordOf(u"Mug, \"large\", blue"_s);
    QTest::addRow("leading and trailing blanks") << recordOf(u"  Mug  "_s);
    QTest::addRow("markup") << recordOf(u"<b>&amp;</b>"_s);
    QTest::addRow("every Windows-1252 character") << recordOf(everyWindows1252CharacterButTheSeparator());
}

void ItemRecordCodecTest::roundTrips() {
    QFETCH(ItemRecord, record);

    const ItemBytesResult encoded = encodeItemRecord(record);
    QVERIFY2(encoded.ok(), qPrintable(encoded.error));
    for (const RecordCheck check : {RecordCheck::Lenient, RecordCheck::Strict}) {
        const ItemRecordResult decoded = decodeItemRecord(encoded.bytes, check);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        for (int i = 0; i < ItemValueId::Count; ++i)
            QCOMPARE(decoded.record[i], record[i]);
    }
}

void ItemRecordCodecTest::readsTheLastLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("leadingFields"); // all later fields must be empty

    QTest::addRow("CR LF") << QByteArray("a\xA5"
                                         "b\xA5\r\n")
                           << QStringList{"a", "b"};
    QTest::addRow("LF") << QByteArray("a\xA5"
                                      "b\xA5\n")
                        << QStringList{"a", "b"};
    QTest::addRow("CR") << QByteArray("a\xA5"
                                      "b\xA5\r")
                        << QStringList{"a", "b"};
    QTest::addRow("no line end") << QByteArray("a\xA5"
                                               "b\xA5")
                                 << QStringList{"a", "b"};
    QTest::addRow("last of several lines") << QByteArray("old\xA5\r\nnew\xA5\r\n") << QStringList{"new"};
    QTest::addRow("last of mixed line ends") << QByteArray("x\xA5\ry\xA5\nz\xA5") << QStringList{"z"};
    QTest::addRow("blank lines after the record") << QByteArray("a\xA5\r\n\r\n \t\n\r") << QStringList{"a"};
    QTest::addRow("only blank lines") << QByteArray("\r\n  \r\n") << QStringList{};
    QTest::addRow("text after the last separator dropped") << QByteArray("a\xA5"
                                                                         "b")
                                                           << QStringList{"a"};
    QTest::addRow("empty fields keep their slots") << QByteArray("\xA5\xA5"
                                                                 "c\xA5")
                                                   << QStringList{"", "", "c"};
    QTest::addRow("empty file") << QByteArray() << QStringList{};
    QTest::addRow("no separator at all") << QByteArray("Dear diary,\r\ntoday\r\n") << QStringList{};
    QTest::addRow("bytes read as Windows-1252") << QByteArray("\x80\xE9\x9F\xA5") << QStringList{u"€éŸ"_s};
    QTest::addRow("earlier lines are not checked") << QByteArray(40, '\xA5') + "\r\nok\xA5\r\n" << QStringList{"ok"};
    QTest::addRow("exactly 36 fields") << QByteArray(36, '\xA5') << QStringList{};
}

void ItemRecordCodecTest::readsTheLastLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, leadingFields);

    const ItemRecordResult decoded = decodeItemRecord(bytes, RecordCheck::Lenient);
    QVERIFY2(decoded.ok(), qPrintable(decoded.error));
    for (int i = 0; i < ClassicFieldCount; ++i)
        QCOMPARE(decoded.record[i], leadingFields.value(i));
}

void ItemRecordCodecTest::refusesWhatIsNoItem_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const auto withField = [](int index, const QByteArray& text) {
        QByteArray bytes;
        for (int i = 0; i < ClassicFieldCount; ++i)
            bytes += (i == index ? text : QByteArray()) + '\xA5';
        return bytes + "\r\n";
    };

    QTest::addRow("37 separators") << QByteArray(37, '\xA5') + "\r\n"
                                   << u"not an item file (37 field separators where an item has 36)"_s;
    QTest::addRow("a separator typed into a field") << withField(0, "Y\xA5"
                                                                    "en")
                                                    << u"not an item file (37 field separators where an item has 36)"_s;
    QTest::addRow("check box 3") << withField(ItemValueId::Option1Active, "3")
                                 << u"\"Option set 1, in use\" reads \"3\", and a check box holds only 0, 1 or 2"_s;
    QTest::addRow("check box -1") << withField(ItemValueId::ShippingAddress, "-1")
                                  << u"\"Buyer provides a shipping address\" reads \"-1\""_s;
    QTest::addRow("check box rounding to 3")
        << withField(ItemValueId::Note, " 2.6") << u"\"Buyer includes a note\" reads \" 2.6\""_s;
    QTest::addRow("check box beyond any number")
        << withField(ItemValueId::Option2Active, "1e999") << u"\"Option set 2, in use\" reads \"1e999\""_s;
}

void ItemRecordCodecTest::refusesWhatIsNoItem() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    const ItemRecordResult decoded = decodeItemRecord(bytes, RecordCheck::Lenient);
    QVERIFY(!decoded.ok());
    QVERIFY2(decoded.error.contains(reason), qPrintable(decoded.error));
    QCOMPARE(decoded.record, ItemRecord{});
}

void ItemRecordCodecTest::refusesFieldsItCannotStore_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");

    using namespace ItemValueId;
    QTest::addRow("separator") << int(ItemName) << u"100 ¥"_s << u"Item name: \"¥\""_s;
    QTest::addRow("outside Windows-1252")
        << Option1Values + 2 << u"茶碗"_s << u"Option set 1, value 3: \"茶\" \"碗\""_s;
    QTest::addRow("each character once") << int(NoteTitle) << u"ĀbĀ"_s << u"Note title: \"Ā\""_s;
    QTest::addRow("outside the basic plane") << int(Option2Name) << u"😀"_s << u"Option set 2, name: \"😀\""_s;
    QTest::addRow("line feed") << int(Price) << u"5\n00"_s << u"Price: U+000A"_s;
    QTest::addRow("carriage return") << int(ItemID) << u"M\r1"_s << u"Item ID: U+000D"_s;
    QTest::addRow("NUL") << int(NoteTitle) << u"a\0b"_s << u"Note title: U+0000"_s;
    QTest::addRow("lone surrogate") << Option2Values + 9 << QString(QChar(0xD800))
                                    << u"Option set 2, value 10: U+D800"_s;
}

void ItemRecordCodecTest::refusesFieldsItCannotStore() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, named);

    ItemRecord record = mugRecord();
    record[index] = text;
    const ItemBytesResult encoded = encodeItemRecord(record);
    QVERIFY(!encoded.ok());
    QVERIFY(encoded.bytes.isEmpty());
    QCOMPARE(encoded.error, u"an item file cannot store these characters: "_s + named);
}

void ItemRecordCodecTest::namesEveryFieldItCannotStore() {
    ItemRecord record = mugRecord();
    record[ItemValueId::ItemName] = u"Mug ¥"_s;
    record[ItemValueId::Option1Values + 2] = u"茶"_s;
    QCOMPARE(encodeItemRecord(record).error,
             u"an item file cannot store these characters: Item name: \"¥\"; Option set 1, value 3: \"茶\""_s);
}

void ItemRecordCodecTest::writesValueLinesBeforeTheRecord_data() {
    QTest::addColumn<ItemRecord>("record");
    QTest::addColumn<QByteArrayList>("kept"); // optional lines as read
    QTest::addColumn<QByteArray>("lines");    // what comes before the record

    QTest::addRow("defaults only: the classic line alone")
        << extendedMug(u"Thank you"_s, u"0"_s) << QByteArrayList() << QByteArray();
    QTest::addRow("any text in the percent form") << extendedMug(u"a b\r\n100% Café"_s, u"0"_s) << QByteArrayList()
                                                  << "#test.note=a%20b%0D%0A100%25%20Caf%C3%A9\r\n"_ba;
    QTest::addRow("an empty text against its default")
        << extendedMug(QString(), u"0"_s) << QByteArrayList() << "#test.note=\r\n"_ba;
    QTest::addRow("in the table's order")
        << extendedMug(u"x"_s, u"1"_s) << QByteArrayList() << "#test.note=x\r\n#test.gift=1\r\n"_ba;
    QTest::addRow("kept lines first, as they were read")
        << extendedMug(u"x"_s, u"0"_s) << QByteArrayList{"#x.b=%41", "#x.a=1"}
        << "#x.b=%41\r\n#x.a=1\r\n#test.note=x\r\n"_ba;
}

// Whatever is written reads back, and its last line is the classic record for a reader of the 36 fields alone.
void ItemRecordCodecTest::writesValueLinesBeforeTheRecord() {
    QFETCH(ItemRecord, record);
    QFETCH(QByteArrayList, kept);
    QFETCH(QByteArray, lines);
    const QByteArray classic = encodeItemRecord(mugRecord()).bytes;

    const ItemBytesResult encoded = encodeItemRecord(record, kept, extension::itemValues());
    QVERIFY2(encoded.ok(), qPrintable(encoded.error));
    QCOMPARE(encoded.bytes, lines + classic);

    const ItemRecordResult decoded = decodeItemRecord(encoded.bytes, RecordCheck::Strict, extension::itemValues());
    QVERIFY2(decoded.ok(), qPrintable(decoded.error));
    QCOMPARE(decoded.record, record);
    QCOMPARE(decoded.optionalLines, kept);
    QCOMPARE(decodeItemRecord(encoded.bytes.sliced(lines.size()), RecordCheck::Strict).record, mugRecord());
}

void ItemRecordCodecTest::readsValueLines_data() {
    QTest::addColumn<QByteArray>("lines"); // before the format example's record
    QTest::addColumn<QString>("note");
    QTest::addColumn<QByteArrayList>("kept");

    QTest::addRow("lowercase hex digits") << "#test.note=caf%c3%a9\r\n"_ba << u"café"_s << QByteArrayList();
    QTest::addRow("blank lines and any line end between")
        << "\r\n#x.k=1\n \t\r#test.note=a\r\n\r\n"_ba << u"a"_s << QByteArrayList{"#x.k=1"};
}

void ItemRecordCodecTest::readsValueLines() {
    QFETCH(QByteArray, lines);
    QFETCH(QString, note);
    QFETCH(QByteArrayList, kept);

    for (const RecordCheck check : {RecordCheck::Lenient, RecordCheck::Strict}) {
        const ItemRecordResult decoded =
            decodeItemRecord(lines + encodeItemRecord(mugRecord()).bytes, check, extension::itemValues());
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.record, extendedMug(note, u"0"_s));
        QCOMPARE(decoded.optionalLines, kept);
        QCOMPARE(decoded.damage, QString());
    }
}

void ItemRecordCodecTest::refusesValueLines_data() {
    QTest::addColumn<QByteArray>("lines"); // before the format example's record
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("damage"); // the window then opens the record alone; otherwise it refuses too

    const QString newer = u"a newer Velmora wrote it, with a value this version does not know: \"test.price\""_s;
    const QString notAValue = u"is neither a value line nor blank"_s;
    QTest::addRow("a key this version does not know") << "#test.price=5\r\n"_ba << newer << false;
    QTest::addRow("an unknown key among damage") << "junk\r\n#test.price=%\r\n"_ba << newer << false;
    QTest::addRow("a check box beyond 2") << "#test.gift=3\r\n"_ba << u"\"Test gift\" reads \"3\""_s << false;
    QTest::addRow("a line of no value") << "Dear customer,\r\n"_ba << u"line 1, \"Dear customer,\", "_s + notAValue
                                        << true;
    QTest::addRow("an earlier record, its bytes by their codes")
        << "\r\nold\xA5\xA5\r\n"_ba << u"line 2, \"old\\xA5\\xA5\", "_s + notAValue << true;
    QTest::addRow("a control character by its code")
        << "\x1B[2J\r\n"_ba << u"line 1, \"\\x1B[2J\", "_s + notAValue << true;
    QTest::addRow("a key in capitals") << "#Test.note=x\r\n"_ba << notAValue << true;
    QTest::addRow("a malformed value") << "#x.a=100%\r\n"_ba
                                       << u"line 1, \"#x.a=100%\", holds a value that is not percent-encoded UTF-8"_s
                                       << true;
    QTest::addRow("a key given twice") << "#x.a=1\r\n\r\n#x.a=1\r\n"_ba << u"\"x.a\" is given twice, on lines 1 and 3"_s
                                       << true;
}

void ItemRecordCodecTest::refusesValueLines() {
    QFETCH(QByteArray, lines);
    QFETCH(QString, reason);
    QFETCH(bool, damage);
    const QByteArray bytes = lines + encodeItemRecord(mugRecord()).bytes;

    const ItemRecordResult strict = decodeItemRecord(bytes, RecordCheck::Strict, extension::itemValues());
    QVERIFY2(strict.error.contains(reason), qPrintable(strict.error));
    const ItemRecordResult lenient = decodeItemRecord(bytes, RecordCheck::Lenient, extension::itemValues());
    if (!damage) {
        QCOMPARE(lenient.error, strict.error);
        return;
    }
    QVERIFY2(strict.error.startsWith(u"the lines before its item record are damaged ("_s), qPrintable(strict.error));
    QVERIFY2(lenient.ok(), qPrintable(lenient.error));
    QCOMPARE(lenient.record, extension::recordOf(mugRecord()));
    QCOMPARE(lenient.optionalLines, QByteArrayList());
    QVERIFY2(lenient.damage.contains(reason), qPrintable(lenient.damage));
}

// Any text has a percent form but one that is no UTF-16, which UTF-8 cannot carry.
void ItemRecordCodecTest::refusesAValueLineItCannotStore() {
    const ItemRecord record = extendedMug(u"a"_s + QChar(0xDC00), u"0"_s);
    QCOMPARE(encodeItemRecord(record, {}, extension::itemValues()).error,
             u"an item file cannot store these characters: Test note: U+DC00"_s);
}

QTEST_APPLESS_MAIN(ItemRecordCodecTest)
#include "ItemRecordCodecTest.moc"
