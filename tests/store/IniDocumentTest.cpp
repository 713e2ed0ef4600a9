#include "store/IniDocument.h"

#include <QTest>

using namespace Qt::StringLiterals;
using velmora::IniDocument;

class IniDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void savingChangesOnlyItsOwnLine_data();
    void savingChangesOnlyItsOwnLine();
    void valuesComeBackExactly_data();
    void valuesComeBackExactly();
    void refusesWhatNoLineCanHold_data();
    void refusesWhatNoLineCanHold();
    void refusesBytesThatAreNoSettingsFile_data();
    void refusesBytesThatAreNoSettingsFile();
};

void IniDocumentTest::savingChangesOnlyItsOwnLine_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray handMade = "\xEF\xBB\xBF; my shop\r\n\r\n[Settings]\r\n  eMail = old@example.com  \r\n"
                                "StoreLogo=\\\\server\\share\\logo.png\r\n\r\n[Mine]\r\nx=1\r\n"_ba;
    QTest::addRow("value replaced, key spelling and blanks kept")
        << handMade << "SETTINGS"
        << "EMAIL"
        << "new@example.com"
        << "\xEF\xBB\xBF; my shop\r\n\r\n[Settings]\r\n  eMail = new@example.com\r\n"
           "StoreLogo=\\\\server\\share\\logo.png\r\n\r\n[Mine]\r\nx=1\r\n"_ba;
    QTest::addRow("same value, its own spelling stays") << "[Settings]\ntxtNote = \"Gift\"   \n"_ba
                                                        << "Settings"
                                                        << "txtNote"
                                                        << "Gift"
                                                        << "[Settings]\ntxtNote = \"Gift\"   \n"_ba;
    QTest::addRow("new key after the section's last setting, in the file's line ends")
        << handMade << "Settings"
        << "Price"
        << "5"
        << "\xEF\xBB\xBF; my shop\r\n\r\n[Settings]\r\n  eMail = old@example.com  \r\n"
           "StoreLogo=\\\\server\\share\\logo.png\r\nPrice=5\r\n\r\n[Mine]\r\nx=1\r\n"_ba;
    QTest::addRow("new key in the section's last stretch")
        << "[Settings]\na=1\n[DropDowns]\n[settings]\n; end\n"_ba
        << "Settings"
        << "b"
        << "2"
        << "[Settings]\na=1\n[DropDowns]\n[settings]\nb=2\n; end\n"_ba;
    QTest::addRow("new section at the end, after a last line without its end")
        << "[Settings]\na=1"_ba
        << "DropDowns"
        << "Set1Box1"
        << "Red"
        << "[Settings]\na=1\n\n[DropDowns]\nSet1Box1=Red\n"_ba;
    QTest::addRow("empty file") << QByteArray() << "Settings"
                                << "a"
                                << ""
                                << "[Settings]\na=\n"_ba;
    QTest::addRow("carriage returns alone end lines") << "[Settings]\ra=1\r"_ba
                                                      << "Settings"
                                                      << "a"
                                                      << "2"
                                                      << "[Settings]\ra=2\r"_ba;
    QTest::addRow("the last of twin keys is the one that counts") << "[Settings]\na=1\nA=2\n"_ba
                                                                  << "Settings"
                                                                  << "a"
                                                                  << "3"
                                                                  << "[Settings]\na=1\nA=3\n"_ba;
    QTest::addRow("keys above the first section are their own") << "a=1\n[Settings]\na=2\n"_ba
                                                                << "Settings"
                                                                << "a"
                                                                << "3"
                                                                << "a=1\n[Settings]\na=3\n"_ba;
}

void IniDocumentTest::savingChangesOnlyItsOwnLine() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);

    velmora::IniParseResult parsed = IniDocument::parse(file);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.document.toBytes(), file);
    QVERIFY(parsed.document.setValue(section, key, value));
    QCOMPARE(parsed.document.toBytes(), expected);
    QCOMPARE(IniDocument::parse(expected).document.value(section.toLower(), key.toUpper()), value);
}

void IniDocumentTest::valuesComeBackExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::addRow("backslashes as they stand") << R"(\\server\share\logo.png)"
                                               << R"(k=\\server\share\logo.png)"_ba;
    QTest::addRow("blanks around are quoted") << "  Gift wrap\t"
                                              << "k=\"  Gift wrap\t\""_ba;
    QTest::addRow("quoted with a backslash at the end") << R"( C:\shop\)"
                                                        << R"(k=" C:\\shop\\")"_ba;
    QTest::addRow("a leading quote is quoted") << R"("Deluxe" mug)"
                                               << R"(k="\"Deluxe\" mug")"_ba;
    QTest::addRow("a quote alone") << "\""
                                   << R"(k="\"")"_ba;
    QTest::addRow("a trailing quote stands") << R"(12" ruler)"
                                             << R"(k=12" ruler)"_ba;
    QTest::addRow("comment, section and equals marks") << "; [x] # y = z"
                                                       << "k=; [x] # y = z"_ba;
    QTest::addRow("comma and at sign") << "@Red, Green"
                                       << "k=@Red, Green"_ba;
    QTest::addRow("non-ASCII") << u"Crème brûlée – 5 €"_s << u"k=Crème brûlée – 5 €"_s.toUtf8();
    QTest::addRow("empty") << ""
                           << "k="_ba;
}

// The writer's form of a value, and the reader's way back from it.
void IniDocumentTest::valuesComeBackExactly() {
    QFETCH(QString, value);
    QFETCH(QByteArray, line);

    IniDocument document;
    QVERIFY(document.setValue(u"S"_s, u"k"_s, value));
    QCOMPARE(document.toBytes(), "[S]\n" + line + '\n');
    QCOMPARE(IniDocument::parse(document.toBytes()).document.value(u"S"_s, u"k"_s), value);
}

void IniDocumentTest::refusesWhatNoLineCanHold_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("line break") << "Settings"
                                << "txtNote"
                                << "two\nlines";
    QTest::addRow("carriage return") << "Settings"
                                     << "txtNote"
                                     << "a\rb";
    QTest::addRow("NUL") << "Settings"
                         << "txtNote" << QString(QChar(0));
    QTest::addRow("next-line control") << "Settings"
                                       << "txtNote" << u"a\u0085b"_s;
    QTest::addRow("lone surrogate") << "Settings"
                                    << "txtNote" << QString(QChar(0xD800));
    QTest::addRow("key with an equals sign") << "Settings"
                                             << "a=b"
                                             << "1";
    QTest::addRow("key read as a comment") << "Settings"
                                           << ";a"
                                           << "1";
    QTest::addRow("key with blanks around") << "Settings"
                                            << " a"
                                            << "1";
    QTest::addRow("section with a line break") << "Set\ntings"
                                               << "a"
                                               << "1";
}

void IniDocumentTest::refusesWhatNoLineCanHold() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QByteArray file = "[Settings]\ntxtNote=old\n"_ba;
    IniDocument document = IniDocument::parse(file).document;
    QVERIFY(!document.setValue(section, key, value));
    QCOMPARE(document.toBytes(), file);
}

void IniDocumentTest::refusesBytesThatAreNoSettingsFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error"); // empty when the file is fine

    QTest::addRow("hash comments, blanks and tabs are fine") << "# mine\n\t\n [Settings] \n\ta\t=\t1\n"_ba
                                                             << "";
    QTest::addRow("NUL byte") << "[Settings]\neMail=a\0b\n"_ba
                              << "line 2 holds a control character (U+0000)";
    QTest::addRow("escape byte") << "[Settings]\neMail=\x1b[1m\n"_ba
                                 << "line 2 holds a control character (U+001B)";
    QTest::addRow("DEL") << "\x7f"_ba
                         << "line 1 holds a control character (U+007F)";
    QTest::addRow("C1 control in UTF-8") << "a=\xC2\x85\n"_ba
                                         << "line 1 holds a control character (U+0085)";
    QTest::addRow("Latin-1") << "[Settings]\neMail=caf\xe9@b\n"_ba
                             << "line 2 is not UTF-8 text";
    QTest::addRow("UTF-16 with its byte-order mark") << "\xFF\xFE[\0S\0]\0"_ba
                                                     << "line 1 is not UTF-8 text";
    QTest::addRow("a line of no kind") << "[Settings]\nhello\n"_ba
                                       << "line 2 is not a section, a setting or a comment";
    QTest::addRow("a key without a name") << " = x"_ba
                                          << "line 1 is not a section, a setting or a comment";
    QTest::addRow("an unclosed section") << "\r\n[Settings"_ba
                                         << "line 2 is not a section, a setting or a comment";
    QTest::addRow("a second byte-order mark") << "\xEF\xBB\xBF\xEF\xBB\xBF[S]"_ba
                                              << "line 1 is not a section, a setting or a comment";
}

void IniDocumentTest::refusesBytesThatAreNoSettingsFile() {
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    const velmora::IniParseResult parsed = IniDocument::parse(file);
    QCOMPARE(parsed.error, error);
    if (parsed.ok())
        QCOMPARE(parsed.document.toBytes(), file);
}

QTEST_GUILESS_MAIN(IniDocumentTest)
#include "IniDocumentTest.moc"
