#include "model/ItemRecord.h"
#include "model/ItemValues.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<OptionSetKind>)

class ItemRecordTest : public QObject {
    Q_OBJECT

private slots:
    void fieldNumbers_data();
    void fieldNumbers();
    void fieldsLandInTheirItemMembers();
    void checkBoxesAreTakenAsRead();
    void kindFollowsTheButtonAssignedLast_data();
    void kindFollowsTheButtonAssignedLast();
};

void ItemRecordTest::fieldNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("checkBox");
    QTest::addColumn<bool>("selected");

    QTest::addRow("empty") << u""_s << 0.0 << 0 << false;
    QTest::addRow("no number") << u"abc"_s << 0.0 << 0 << false;
    QTest::addRow("blanks only") << u"   "_s << 0.0 << 0 << false;
    QTest::addRow("plain") << u"1"_s << 1.0 << 1 << true;
    QTest::addRow("leading blanks and tab") << u" \t 2"_s << 2.0 << 2 << true;
    QTest::addRow("trailing text ignored") << u"1 apple"_s << 1.0 << 1 << true;
    QTest::addRow("stops at a second number") << u"1 2"_s << 1.0 << 1 << true;
    QTest::addRow("plus sign") << u"+1"_s << 1.0 << 1 << true;
    QTest::addRow("sign apart from digits") << u"- 1"_s << 0.0 << 0 << false;
    QTest::addRow("decimal comma is not a decimal point") << u"1,9"_s << 1.0 << 1 << true;
    QTest::addRow("leading point") << u".4"_s << 0.4 << 0 << true;
    QTest::addRow("half rounds to even, down") << u"0.5"_s << 0.5 << 0 << true;
    QTest::addRow("half rounds to even, up") << u"1.5"_s << 1.5 << 2 << true;
    QTest::addRow("half rounds to even, to two") << u"2.5"_s << 2.5 << 2 << true;
    QTest::addRow("small negative rounds to zero") << u"-0.4"_s << -0.4 << 0 << true;
    QTest::addRow("exponent") << u"1e0"_s << 1.0 << 1 << true;
    QTest::addRow("dangling exponent") << u"2e"_s << 2.0 << 2 << true;
    QTest::addRow("beyond a check box") << u"2.6"_s << 2.6 << 3 << true;
    QTest::addRow("negative") << u"-1"_s << -1.0 << -1 << true;
    QTest::addRow("huge, no overflow") << u"1e999"_s << qInf() << 3 << true;
    QTest::addRow("hexadecimal is not read") << u"0x1"_s << 0.0 << 0 << false;
    QTest::addRow("fullwidth digit is not a digit") << u"\uFF11"_s << 0.0 << 0 << false;
}

void ItemRecordTest::fieldNumbers() {
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(int, checkBox);
    QFETCH(bool, selected);

    QCOMPARE(fieldNumber(text), number);
    QCOMPARE(checkBoxValue(text), checkBox);
    QCOMPARE(booleanField(text), selected);
}

void ItemRecordTest::fieldsLandInTheirItemMembers() {
    ItemRecord record;
    for (int i = 0; i < ItemValueId::Count; ++i) {
        if (const ItemValueKind kind = itemValue(i).kind;
            kind != ItemValueKind::Flag && kind != ItemValueKind::KindButton)
            record[i] = u"field %1"_s.arg(i);
    }
    const CartItem item = cartItemFromRecord(record);

    QCOMPARE(item.ItemName, u"field 0");
    QCOMPARE(item.ItemID, u"field 1");
    QCOMPARE(item.Price, u"field 2");
    QCOMPARE(item.Shipping1, u"field 3");
    QCOMPARE(item.Shipping2, u"field 4");
    QCOMPARE(item.Option1.Name, u"field 6");
    QCOMPARE(item.Option2.Name, u"field 20");
    QCOMPARE(item.NoteTitle, u"field 35");
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(item.Option1.Values[i], u"field %1"_s.arg(9 + i));
        QCOMPARE(item.Option2.Values[i], u"field %1"_s.arg(23 + i));
    }
}

void ItemRecordTest::checkBoxesAreTakenAsRead() {
    // Set 2 stays in use even though set 1 is not: the window assigns set 2's box after set 1's handler ran.
    ItemRecord record;
    record[ItemValueId::Option1Active] = u"0"_s;
    record[ItemValueId::Option2Active] = u"1"_s;
    record[ItemValueId::ShippingAddress] = u"2"_s;
    record[ItemValueId::Note] = u"1.5"_s;
    const CartItem item = cartItemFromRecord(record);

    QCOMPARE(item.Option1.Active, 0);
    QCOMPARE(item.Option2.Active, 1);
    QCOMPARE(item.ShippingAddress, 2);
    QCOMPARE(item.Note, 2);
}

void ItemRecordTest::kindFollowsTheButtonAssignedLast_data() {
    QTest::addColumn<QString>("dropDown");
    QTest::addColumn<QString>("textBox");
    QTest::addColumn<std::optional<OptionSetKind>>("kind");

    QTest::addRow("drop down") << u"1"_s << u"0"_s << std::optional(OptionSetKind::DropDown);
    QTest::addRow("text box") << u"0"_s << u"1"_s << std::optional(OptionSetKind::TextBox);
    QTest::addRow("both: text box is assigned last") << u"1"_s << u"1"_s << std::optional(OptionSetKind::TextBox);
    QTest::addRow("neither") << u"0"_s << u"0"_s << std::optional<OptionSetKind>();
    QTest::addRow("empty fields") << u""_s << u""_s << std::optional<OptionSetKind>();
    QTest::addRow("any non-zero number selects") << u"-0.25"_s << u"0"_s << std::optional(OptionSetKind::DropDown);
}

void ItemRecordTest::kindFollowsTheButtonAssignedLast() {
    QFETCH(QString, dropDown);
    QFETCH(QString, textBox);
    QFETCH(std::optional<OptionSetKind>, kind);

    ItemRecord record;
    record[ItemValueId::Option1DropDown] = dropDown;
    record[ItemValueId::Option1TextBox] = textBox;
    record[ItemValueId::Option2DropDown] = dropDown;
    record[ItemValueId::Option2TextBox] = textBox;
    const CartItem item = cartItemFromRecord(record);

    QCOMPARE(item.Option1.Kind, kind);
    QCOMPARE(item.Option2.Kind, kind);
}

QTEST_APPLESS_MAIN(ItemRecordTest)
#include "ItemRecordTest.moc"
