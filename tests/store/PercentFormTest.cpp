#include "store/PercentForm.h"

#include <QTest>

using namespace velmora;
using namespace Qt::StringLiterals;

class PercentFormTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrips_data();
    void roundTrips();
    void refusesMalformedForms_data();
    void refusesMalformedForms();
    void refusesBrokenUtf16();
};

void PercentFormTest::roundTrips_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("form");

    QTest::addRow("empty") << QString() << QByteArray();
    QTest::addRow("printable ASCII as it stands") << u"a-Z_0.9!~\"#"_s << "a-Z_0.9!~\"#"_ba;
    QTest::addRow("blanks, tabs and line breaks") << u" a\tb\r\n"_s << "%20a%09b%0D%0A"_ba;
    QTest::addRow("the percent sign itself") << u"100%"_s << "100%25"_ba;
    QTest::addRow("NUL and DEL") << u"\0\x7F"_s << "%00%7F"_ba;
    QTest::addRow("UTF-8 in uppercase hex") << u"Café €"_s << "Caf%C3%A9%20%E2%82%AC"_ba;
    QTest::addRow("beyond the basic plane") << u"😀"_s << "%F0%9F%98%80"_ba;
    QTest::addRow("a byte-order mark is a character") << u"\uFEFFa"_s << "%EF%BB%BFa"_ba;
}

void PercentFormTest::roundTrips() {
    QFETCH(QString, text);
    QFETCH(QByteArray, form);
    QCOMPARE(percentForm(text), form);
    QCOMPARE(fromPercentForm(QByteArrayView(form)), text);
    QCOMPARE(fromPercentForm(QStringView(QString::fromLatin1(form))), text);
}

void PercentFormTest::refusesMalformedForms_data() {
    QTest::addColumn<QString>("form");

    QTest::addRow("a raw blank") << u"a b"_s;
    QTest::addRow("a raw control character") << u"a\tb"_s;
    QTest::addRow("a raw character beyond ASCII") << u"Café"_s;
    QTest::addRow("percent at the end") << u"a%"_s;
    QTest::addRow("one hex digit") << u"a%4"_s;
    QTest::addRow("not hex") << u"%G1"_s;
    QTest::addRow("a sign for a digit") << u"%+1"_s;
    QTest::addRow("a lone continuation byte") << u"%80"_s;
    QTest::addRow("cut short") << u"%C3"_s;
    QTest::addRow("overlong") << u"%C0%AF"_s;
    QTest::addRow("a surrogate in UTF-8") << u"%ED%A0%80"_s;
}

void PercentFormTest::refusesMalformedForms() {
    QFETCH(QString, form);
    QCOMPARE(fromPercentForm(QStringView(form)), std::nullopt);
    QCOMPARE(fromPercentForm(QByteArrayView(form.toUtf8())), std::nullopt);
}

// UTF-8 has no form for a lone surrogate; it would come back as U+FFFD.
void PercentFormTest::refusesBrokenUtf16() {
    QCOMPARE(percentForm(QString(QChar(0xD800)) + u"a"_s), std::nullopt);
}

QTEST_APPLESS_MAIN(PercentFormTest)
#include "PercentFormTest.moc"
