#include "store/NativeFileName.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora;

class NativeFileNameTest : public QObject {
    Q_OBJECT

private slots:
    void namesComeBackByteForByte_data();
    void namesComeBackByteForByte();
};

void NativeFileNameTest::namesComeBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("text");
    QTest::addColumn<QString>("readable");

    QTest::addRow("ASCII") << "mug.tqf"_ba << true << u"mug.tqf"_s;
    QTest::addRow("UTF-8") << "caf\xC3\xA9.tqf"_ba << true << u"café.tqf"_s;
    // Its UTF-16 ends in a low surrogate of the range that kept bytes use.
    QTest::addRow("beyond the BMP") << "\xF0\x9F\x92\x80"_ba << true << u"\U0001F480"_s;
    QTest::addRow("Latin-1") << "caf\xE9.tqf"_ba << false << u"caf\uFFFD.tqf"_s;
    QTest::addRow("a Latin-1 byte after a character beyond the BMP")
        << "\xF0\x9F\x92\x80\xE9"_ba << false << u"\U0001F480\uFFFD"_s;
    QTest::addRow("a lone continuation byte") << "\x80x"_ba << false << u"\uFFFDx"_s;
    QTest::addRow("an overlong slash") << "\xC0\xAF"_ba << false << u"\uFFFD\uFFFD"_s;
    QTest::addRow("an encoded surrogate") << "\xED\xB3\xA9"_ba << false << u"\uFFFD\uFFFD\uFFFD"_s;
    QTest::addRow("beyond U+10FFFF") << "\xF4\x90\x80\x80"_ba << false << u"\uFFFD\uFFFD\uFFFD\uFFFD"_s;
    QTest::addRow("cut short at the end") << "ab\xE2\x82"_ba << false << u"ab\uFFFD\uFFFD"_s;
}

void NativeFileNameTest::namesComeBackByteForByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, text);
    QFETCH(QString, readable);
    const QString name = fileNameFromNative(bytes);
    QCOMPARE(nativeFileName(name), bytes);
    QCOMPARE(isTextFileName(name), text);
    QCOMPARE(readableFileName(name), readable);
    if (text)
        QCOMPARE(name, QString::fromUtf8(bytes));
}

QTEST_GUILESS_MAIN(NativeFileNameTest)
#include "NativeFileNameTest.moc"
