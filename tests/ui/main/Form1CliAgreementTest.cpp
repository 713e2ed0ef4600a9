// velmora-cli and the main window, given the same item file and the same settings store, make the same text.
#include "ui/main/Form1.h"

#include "cli/VelmoraCli.h"
#include "store/ItemFile.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"
#include "support/DialogAnswers.h"
#include "support/ItemRecords.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <memory>

using namespace velmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velmora::ItemRecord)

namespace {

// Settings that need escaping in HTML and in a URL, so both sides must treat them alike.
const MerchantSettings Merchant{u"sales+shop@example.com"_s, u"https://shop.example/logo.png?size=1&v=\"2\""_s,
                                u"https://shop.example/thanks?from=cart&x=<y>"_s, u"https://shop.example/cart"_s,
                                u"https://shop.example/buy now.png"_s};

struct CliRun {
    int exit = -1;
    QString out, err;
};

CliRun runCli(const QString& command, const QString& file, const QString& storeFile) {
    const SettingsStore store(storeFile);
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exit = runVelmoraCli({u"velmora-cli"_s, command, file}, store, out, err);
    return run;
}

// The lines before an item file's classic record.
QList<QByteArray> valueLines(const QString& file) {
    QFile read(file);
    if (!read.open(QIODevice::ReadOnly))
        return {u"unreadable"_s.toUtf8()};
    QList<QByteArray> lines = read.readAll().split('\n');
    lines.removeIf([](const QByteArray& line) { return !line.startsWith('#'); });
    return lines;
}

} // namespace

class Form1CliAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsWhatTheWindowShows_data();
    void printsWhatTheWindowShows();

private:
    QTemporaryDir m_dir;
    QString m_storeFile;
};

void Form1CliAgreementTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    // Qt's file dialog keeps its own state in the user's configuration; keep it in the test's folder instead.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(u"config"_s)));
    m_storeFile = m_dir.filePath(u"store.ini"_s);
    SettingsStore store(m_storeFile);
    QVERIFY(saveMerchantSettings(store, Merchant));
    QVERIFY(recordFirstRun(store)); // no first-run prompt in the window
}

void Form1CliAgreementTest::printsWhatTheWindowShows_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<ItemRecord>("item"); // written to the file first, unless the file is the sample
    using namespace ItemValueId;

    QTest::addRow("the sample item") << QStringLiteral(VELMORA_EXAMPLES_DIR "/mug.tqf") << ItemRecord{};
    QTest::addRow("both option sets, list and text box") << u"shirt.tqf"_s
                                                         << recordWith({{ItemName, u"T-shirt \"Größe\" & <Logo>"_s},
                                                                        {ItemID, u"TS-01"_s},
                                                                        {Price, u"19.90"_s},
                                                                        {Shipping1, u"4.50"_s},
                                                                        {Shipping2, u"1.00"_s},
                                                                        {Option1Active, u"1"_s},
                                                                        {Option1Name, u"Size"_s},
                                                                        {Option1DropDown, u"1"_s},
                                                                        {Option1Values, u"S"_s},
                                                                        {Option1Values + 1, u" M "_s},
                                                                        {Option1Values + 9, u"XXL, tall"_s},
                                                                        {Option2Active, u"1"_s},
                                                                        {Option2Name, u"Print name"_s},
                                                                        {Option2TextBox, u"1"_s},
                                                                        {Option2Values, u"kept but not offered"_s},
                                                                        {ShippingAddress, u"1"_s},
                                                                        {Note, u"1"_s},
                                                                        {NoteTitle, u"Gift message, ¿por favor?"_s}});
    QTest::addRow("set 1 out of use, with a note and overrides")
        << u"cafe.tqf"_s
        << recordWith({{ItemName, u"Café crème €"_s},
                       {Price, u"3,5"_s},
                       {Shipping2, u" 0.75 "_s},
                       {Option1Name, u"Stored only"_s},
                       {Option1TextBox, u"1"_s},
                       {Option1Values, u"never shown"_s},
                       {Note, u"1"_s},
                       {NoteTitle, u"Special Instructions (optional)"_s}});
    QTest::addRow("grayed boxes, no kind") << u"grey.tqf"_s
                                           << recordWith({{ItemName, u"Cap"_s},
                                                          {Price, u"9.00"_s},
                                                          {Option1Active, u"2"_s},
                                                          {ShippingAddress, u"2"_s},
                                                          {Note, u"2"_s},
                                                          {NoteTitle, u"Why?"_s}});
    QTest::addRow("everything empty") << u"empty.tqf"_s << ItemRecord{};
    QTest::addRow("buy now: the buyer's quantity, tax, handling and weight") << u"buy.tqf"_s
                                                                             << recordWith({{ItemName, u"Mug"_s},
                                                                                            {Price, u"5"_s},
                                                                                            {ButtonType, u"buy-now"_s},
                                                                                            {BuyerQuantity, u"1"_s},
                                                                                            {MaxQuantity, u"5"_s},
                                                                                            {TaxRate, u"8.250"_s},
                                                                                            {Handling, u"1.5"_s},
                                                                                            {Weight, u"2.5"_s},
                                                                                            {WeightUnit, u"kgs"_s}});
    QTest::addRow("donation left to the donor, shipping left out")
        << u"roof.tqf"_s << recordWith({{ItemName, u"Roof fund"_s}, {ButtonType, u"donate"_s}, {Shipping1, u"2"_s}});
    QTest::addRow("subscription with a free trial") << u"box.tqf"_s
                                                    << recordWith({{ItemName, u"Coffee box"_s},
                                                                   {Price, u"9.00"_s},
                                                                   {ButtonType, u"subscribe"_s},
                                                                   {SubPeriod, u"1"_s},
                                                                   {SubTimes, u"12"_s},
                                                                   {TrialPeriod, u"7"_s},
                                                                   {TrialUnit, u"D"_s}});
    QTest::addRow("priced options and advanced variables")
        << u"tee.tqf"_s
        << recordWith({{ItemName, u"Tee"_s},
                       {Option1Active, u"1"_s},
                       {Option1Name, u"Size"_s},
                       {Option1DropDown, u"1"_s},
                       {Option1Values, u"S"_s},
                       {Option1Values + 1, u"L \"tall\""_s},
                       {Option1Prices, u"5"_s},
                       {Option1Prices + 1, u"7.50"_s},
                       {Advanced, u"lc=GB\ncustom=Café & <Crème>"_s}});
}

void Form1CliAgreementTest::printsWhatTheWindowShows() {
    QFETCH(QString, file);
    QFETCH(ItemRecord, item);
    if (QFileInfo(file).isRelative()) {
        file = m_dir.filePath(file);
        const ItemSaveResult saved = writeItemFile(file, item);
        QVERIFY2(saved.ok(), qPrintable(saved.error));
    }

    Form1 window(m_storeFile);
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DialogAnswers answers;
    answers.answerFileName(file);
    window.findChild<QAction*>(u"mnuOpen"_s)->trigger();
    QCOMPARE(answers.problems(), QString());

    auto* code = window.findChild<QPlainTextEdit*>(u"txtCode"_s);
    for (const auto& [command, button] : {std::pair{u"form"_s, u"cmdMakeForm"_s}, {u"link"_s, u"cmdMakeLink"_s}}) {
        const CliRun cli = runCli(command, file, m_storeFile);
        auto* make = window.findChild<QPushButton*>(button);
        if (!make->isEnabled()) {
            // The window offers no link for this item, and the command line makes none either.
            QCOMPARE(cli.exit, int(CliExit::Refused));
            QCOMPARE(cli.out, QString());
            continue;
        }
        code->clear();
        QTest::mouseClick(make, Qt::LeftButton);
        QVERIFY(code->toPlainText().contains(u"example.com"_s));
        QCOMPARE(cli.err, QString());
        QCOMPARE(cli.exit, int(CliExit::Done));
        QCOMPARE(cli.out, code->toPlainText() + u'\n');
    }

    // Saved again, its values beyond the classic record are the same byte for byte.
    const QString again = m_dir.filePath(u"again.tqf"_s);
    QFile::remove(again);
    answers.answerFileName(again);
    window.findChild<QAction*>(u"mnuSave"_s)->trigger();
    QCOMPARE(answers.problems(), QString());
    QCOMPARE(valueLines(again), valueLines(file));
}

QTEST_MAIN(Form1CliAgreementTest)
#include "Form1CliAgreementTest.moc"
