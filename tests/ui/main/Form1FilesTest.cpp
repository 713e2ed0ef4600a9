#include "ui/main/Form1.h"

#include "store/ItemFile.h"
#include "support/DialogAnswers.h"
#include "support/FileSizeLimit.h"
#include "support/WindowDriver.h"
#include "ui/kit/ControlValues.h"
#include "ui/main/ItemControls.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

#include <sys/stat.h>

using namespace velmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velmora::ItemRecord)

namespace {

// An item with every text field filled by text(index); check boxes and kind buttons "0" unless flags say else, and
// choices at their defaults.
ItemRecord itemWith(const std::function<QString(int)>& text, std::initializer_list<std::pair<int, QString>> flags) {
    ItemRecord record;
    for (int i = 0; i < ItemValueId::Count; ++i) {
        if (itemValue(i).kind != ItemValueKind::Choice)
            record[i] = storedKind(itemValue(i).kind) == ValueKind::Text ? text(i) : u"0"_s;
    }
    for (const auto& [index, value] : flags)
        record[index] = value;
    return record;
}

ItemRecord emptyItem() {
    return itemWith([](int) { return QString(); }, {});
}

// The record as the window holds it once opened: numbers as the controls keep them.
QStringList heldForm(const ItemRecord& record) {
    QStringList held;
    for (int i = 0; i < ItemValueId::Count; ++i)
        held << itemFieldText(itemFieldValue(storedKind(itemValue(i).kind), record[i]));
    return held;
}

// What the window's item controls hold, read from the widgets, in file order.
QStringList heldFields(Form1& window) {
    QStringList held;
    for (const ItemControl& row : itemControls())
        held << itemFieldText(controlValue(*WindowDriver(window).find(row.name), storedKind(itemValue(row.id).kind)));
    return held;
}

// Puts the item into the window by code, in file order, so the field handlers run as for an opened file.
void putItem(Form1& window, const ItemRecord& record) {
    for (const ItemControl& row : itemControls())
        QVERIFY(setControlValue(*WindowDriver(window).find(row.name),
                                itemFieldValue(storedKind(itemValue(row.id).kind), record[row.id])));
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every file under the folder with its content, to show that nothing was written or left behind.
QStringList folderContent(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries << path + u' ' + QString::fromLatin1(contentOf(path).toHex());
    }
    entries.sort();
    return entries;
}

const QByteArray OldContent = "Old\xA5\xA5"
                              "1.00\xA5\r\n";

} // namespace

class Form1FilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTripsEveryField_data();
    void roundTripsEveryField();
    void savesTheExampleItemByteForByte();
    void savesUnderTheNameAsTyped_data();
    void savesUnderTheNameAsTyped();
    void replacingAFileAsksFirst();
    void oneDialogServesBothCommands();

    void opensIntoTheWindow_data();
    void opensIntoTheWindow();

    void refusedSaveChangesNothing_data();
    void refusedSaveChangesNothing();
    void refusedOpenChangesNothing_data();
    void refusedOpenChangesNothing();
    void cancellingChangesNothing_data();
    void cancellingChangesNothing();

    void keepsOptionalLinesUntilNewOrOpen_data();
    void keepsOptionalLinesUntilNewOrOpen();
    void opensTheRecordBehindDamagedLines_data();
    void opensTheRecordBehindDamagedLines();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString save(const QString& path) const { return fileCommand(*m_window, "mnuSave", QFileDialog::AcceptSave, path); }
    static QString open(Form1& window, const QString& path) {
        return fileCommand(window, "mnuOpen", QFileDialog::AcceptOpen, path);
    }
    static QString fileCommand(Form1& window, const char* command, QFileDialog::AcceptMode mode, const QString& path);
    static void trigger(Form1& window, const char* action) { WindowDriver(window).find<QAction>(action)->trigger(); }
    WindowDriver ui() const { return WindowDriver(*m_window); }

    QTemporaryDir m_configHome;
    QTemporaryDir m_dir;
    std::unique_ptr<Form1> m_window;
};

void Form1FilesTest::initTestCase() {
    // The window keeps its state in the per-user store; these tests must neither read nor change the user's own.
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    QVERIFY(m_dir.isValid());
}

void Form1FilesTest::init() {
    QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
    m_window = std::make_unique<Form1>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void Form1FilesTest::cleanup() {
    m_window.reset();
}

// Runs a File command with its dialog answered by the path; returns what went wrong, if anything.
QString Form1FilesTest::fileCommand(Form1& window, const char* command, QFileDialog::AcceptMode mode,
                                    const QString& path) {
    DialogAnswers answers;
    answers.answerFileName(path);
    trigger(window, command);
    if (answers.fileRequests.value(0).mode != mode)
        return u"the file dialog was not set up to %1"_s.arg(mode == QFileDialog::AcceptSave ? "save" : "open");
    return answers.problems();
}

void Form1FilesTest::roundTripsEveryField_data() {
    QTest::addColumn<ItemRecord>("item");
    using namespace ItemValueId;
    QTest::addRow("Windows-1252 letters, both sets in use")
        << itemWith([](int i) { return u"Crème brûlée €%1 Straße"_s.arg(i); }, {{Option1Active, u"1"_s},
                                                                                {Option1DropDown, u"1"_s},
                                                                                {Option2Active, u"1"_s},
                                                                                {Option2TextBox, u"1"_s},
                                                                                {ShippingAddress, u"1"_s},
                                                                                {Note, u"1"_s}});
    QTest::addRow("commas and double quotes")
        << itemWith([](int i) { return u"Mug, \"large\", 12\" wide %1"_s.arg(i); },
                    {{Option1Active, u"1"_s}, {Option1TextBox, u"1"_s}, {Option2DropDown, u"1"_s}});
    QTest::addRow("blanks at both ends") << itemWith(
        [](int i) { return i % 2 ? u"  padded %1 "_s.arg(i) : u"   "_s; },
        {{Option1Active, u"1"_s}, {Option1DropDown, u"1"_s}, {Option2DropDown, u"1"_s}, {Note, u"1"_s}});
    QTest::addRow("set 1 out of use keeps its name, kind and values")
        << itemWith([](int i) { return u"kept %1"_s.arg(i); },
                    {{Option1TextBox, u"1"_s}, {Option2TextBox, u"1"_s}, {ShippingAddress, u"1"_s}});
    QTest::addRow("grayed boxes and no kind selected")
        << itemWith([](int i) { return u"grey %1"_s.arg(i); },
                    {{Option1Active, u"2"_s}, {ShippingAddress, u"2"_s}, {Note, u"2"_s}});
    QTest::addRow("an empty name and price are saved as they are")
        << itemWith([](int i) { return i == ItemName || i == Price || i == NoteTitle ? QString() : u"x%1"_s.arg(i); },
                    {{Option1DropDown, u"1"_s}, {Option2DropDown, u"1"_s}});
}

void Form1FilesTest::roundTripsEveryField() {
    QFETCH(ItemRecord, item);
    putItem(*m_window, item);
    QCOMPARE(heldFields(*m_window), heldForm(item));
    const QStringList saved = ui().snapshot();

    const QString file = path(u"item.tqf"_s);
    QCOMPARE(save(file), QString());
    QCOMPARE(ui().snapshot(), saved); // saving changes nothing in the window

    // A second window, fresh from the same store, gets the item back from the file alone.
    Form1 reader;
    const QStringList before = WindowDriver(reader).snapshot();
    QCOMPARE(open(reader, file), QString());
    QVERIFY(WindowDriver(reader).snapshot() != before);
    QCOMPARE(heldFields(reader), heldForm(item));
    QCOMPARE(WindowDriver(reader).snapshot(), saved);
}

void Form1FilesTest::savesTheExampleItemByteForByte() {
    using namespace ItemValueId;
    ItemRecord mug = itemWith([](int) { return QString(); },
                              {{Option1DropDown, u"1"_s}, {Option2DropDown, u"1"_s}, {ShippingAddress, u"1"_s}});
    mug[ItemName] = u"Mug"_s;
    mug[Price] = u"5.00"_s;
    mug[NoteTitle] = u"Special Instructions (optional)"_s;
    putItem(*m_window, mug);

    QCOMPARE(save(path(u"mug.tqf"_s)), QString());
    const QByteArray bytes = contentOf(path(u"mug.tqf"_s));
    QCOMPARE(bytes.size(), 82 + 2);
    QCOMPARE(bytes.count('\xA5'), ClassicFieldCount);
    QCOMPARE(bytes, contentOf(QStringLiteral(VELMORA_EXAMPLES_DIR "/mug.tqf")));
}

void Form1FilesTest::savesUnderTheNameAsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::addRow("without an extension") << u"catalogue-item"_s;
    QTest::addRow("with another extension") << u"item.txt"_s;
    QTest::addRow("with blanks") << u"my mug.tqf"_s;
}

void Form1FilesTest::savesUnderTheNameAsTyped() {
    QFETCH(QString, name);
    assignText(*ui().find<QLineEdit>(u"txtItemName"_s), u"Mug"_s);
    QCOMPARE(save(path(name)), QString());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{name});
    QVERIFY(contentOf(path(name)).startsWith("Mug\xA5"));
}

// The dialog asks before it gives back the name of a file that exists; only then is the file replaced.
void Form1FilesTest::replacingAFileAsksFirst() {
    const QString file = path(u"item.tqf"_s);
    writeFile(file, OldContent);
    assignText(*ui().find<QLineEdit>(u"txtItemName"_s), u"New"_s);

    DialogAnswers answers;
    answers.answerFileName(file);
    trigger(*m_window, "mnuSave");
    QCOMPARE(answers.problems(), QString());
    QCOMPARE(answers.fileRequests.value(0).mode, QFileDialog::AcceptSave);
    QVERIFY(answers.fileRequests.value(0).confirmsOverwrite);
    QVERIFY(contentOf(file).startsWith("New\xA5"));
}

void Form1FilesTest::oneDialogServesBothCommands() {
    writeFile(path(u"item.tqf"_s), OldContent);
    QCOMPARE(save(path(u"other.tqf"_s)), QString());
    auto* dialog = ui().find<QFileDialog>(u"CommonDialog1"_s);
    QCOMPARE(open(*m_window, path(u"item.tqf"_s)), QString()); // answered only if it was asked
    QCOMPARE(m_window->findChildren<QFileDialog*>(), QList<QFileDialog*>{dialog});

    QCOMPARE(dialog->nameFilters(), QStringList{u"Kestrine Files (*.tqf)"_s});
    QCOMPARE(dialog->defaultSuffix(), QString());
}

void Form1FilesTest::opensIntoTheWindow_data() {
    QTest::addColumn<ItemRecord>("shown"); // what the window holds beforehand
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ItemRecord>("expected"); // what it holds afterwards
    QTest::addColumn<QString>("set1");
    QTest::addColumn<QString>("set2");
    QTest::addColumn<bool>("noteEditable");
    using namespace ItemValueId;

    const auto bytesOf = [](const ItemRecord& record) { return encodeItemRecord(record).bytes; };
    const ItemRecord bothInUse = itemWith([](int i) { return u"before %1"_s.arg(i); }, {{Option1Active, u"1"_s},
                                                                                        {Option1DropDown, u"1"_s},
                                                                                        {Option2Active, u"1"_s},
                                                                                        {Option2DropDown, u"1"_s},
                                                                                        {ShippingAddress, u"1"_s},
                                                                                        {Note, u"1"_s}});

    const ItemRecord set1Only = itemWith(
        [](int i) { return u"file %1"_s.arg(i); },
        {{Option1Active, u"1"_s}, {Option1DropDown, u"1"_s}, {Option2DropDown, u"1"_s}, {ShippingAddress, u"1"_s}});
    QTest::addRow("set 1 in use and set 2 not, over both in use")
        << bothInUse << bytesOf(set1Only) << set1Only << u"use shown 1, body, values, DropDown"_s
        << u"use shown 0, DropDown"_s << false;

    const ItemRecord textBox = itemWith([](int i) { return u"typed %1"_s.arg(i); }, {{Option1Active, u"1"_s},
                                                                                     {Option1TextBox, u"1"_s},
                                                                                     {Option2Active, u"1"_s},
                                                                                     {Option2TextBox, u"1"_s},
                                                                                     {Note, u"1"_s}});
    QTest::addRow("the Text Box kind hides the values it fills in")
        << bothInUse << bytesOf(textBox) << textBox << u"use shown 1, body, TextBox"_s
        << u"use shown 1, body, TextBox"_s << true;

    const ItemRecord set1Unused =
        itemWith([](int i) { return u"unused %1"_s.arg(i); }, {{Option1TextBox, u"1"_s}, {Option2TextBox, u"1"_s}});
    QTest::addRow("a set out of use gets its name, kind and values all the same")
        << bothInUse << bytesOf(set1Unused) << set1Unused << u"use shown 0, TextBox"_s << u"use hidden 0, TextBox"_s
        << false;

    // Set 1's box goes first and takes set 2 down; set 2's own box then brings it back as the file says.
    const ItemRecord set2Only =
        itemWith([](int i) { return u"odd %1"_s.arg(i); },
                 {{Option1DropDown, u"1"_s}, {Option2Active, u"1"_s}, {Option2DropDown, u"1"_s}});
    QTest::addRow("set 2 in use under a set 1 out of use")
        << bothInUse << bytesOf(set2Only) << set2Only << u"use shown 0, DropDown"_s
        << u"use hidden 1, body, values, DropDown"_s << false;

    QTest::addRow("an empty file is an all-empty item")
        << bothInUse << QByteArray() << emptyItem() << u"use shown 0, no kind"_s << u"use hidden 0, no kind"_s << false;
    QTest::addRow("a file without a separator is an all-empty item")
        << bothInUse << QByteArray("Dear customer,\r\nthank you.\r\n") << emptyItem() << u"use shown 0, no kind"_s
        << u"use hidden 0, no kind"_s << false;
    QTest::addRow("a file of blank lines is an all-empty item")
        << bothInUse << QByteArray("\r\n \r\n\n") << emptyItem() << u"use shown 0, no kind"_s
        << u"use hidden 0, no kind"_s << false;
    QTest::addRow("blank lines after the record, as an editor leaves them")
        << bothInUse << bytesOf(textBox) + "\r\n\t\n"
        << textBox << u"use shown 1, body, TextBox"_s << u"use shown 1, body, TextBox"_s << true;

    ItemRecord shortRecord = emptyItem();
    shortRecord[ItemName] = u"Mug"_s;
    shortRecord[Price] = u"5"_s; // not rewritten to two decimals by opening
    QTest::addRow("a short record fills the slots it reaches")
        << bothInUse
        << QByteArray("Mug\xA5\xA5"
                      "5\xA5"
                      "dropped")
        << shortRecord << u"use shown 0, no kind"_s << u"use hidden 0, no kind"_s << false;
}

void Form1FilesTest::opensIntoTheWindow() {
    QFETCH(ItemRecord, shown);
    QFETCH(QByteArray, file);
    QFETCH(ItemRecord, expected);
    QFETCH(QString, set1);
    QFETCH(QString, set2);
    QFETCH(bool, noteEditable);
    putItem(*m_window, shown);
    ui().find<QPlainTextEdit>(u"txtCode"_s)->setPlainText(u"<form>"_s);
    writeFile(path(u"item.tqf"_s), file);

    QCOMPARE(open(*m_window, path(u"item.tqf"_s)), QString());
    QCOMPARE(heldFields(*m_window), heldForm(expected));
    QCOMPARE(ui().optionSetState(1), set1);
    QCOMPARE(ui().optionSetState(2), set2);
    QCOMPARE(ui().find<QWidget>(u"txtNote"_s)->isEnabled(), noteEditable);
    QCOMPARE(ui().find<QWidget>(u"cmdMakeLink"_s)->isEnabled(), !set1.startsWith(u"use shown 1"));
    QCOMPARE(ui().find<QPlainTextEdit>(u"txtCode"_s)->toPlainText(), u"<form>"_s);
}

void Form1FilesTest::refusedSaveChangesNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target"); // relative to the test folder
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QStringList>("reason");

    QTest::addRow("the separator in the item name")
        << u"txtItemName"_s << u"Mug ¥5"_s << u"item.tqf"_s << false << QStringList{u"Item name"_s, u"\"¥\""_s};
    QTest::addRow("a character Windows-1252 lacks, in a value")
        << u"txtOptSet1(2)"_s << u"Größe Ω"_s << u"item.tqf"_s << false
        << QStringList{u"Option set 1, value 3"_s, u"\"Ω\""_s};
    QTest::addRow("the separator in a hidden set 2 name")
        << u"txtOptName2"_s << u"¥¥"_s << u"new.tqf"_s << false << QStringList{u"Option set 2, name"_s};
    QTest::addRow("a folder that does not exist")
        << u"txtItemName"_s << u"Mug"_s << u"missing/item.tqf"_s << false << QStringList{u"missing"_s};
    QTest::addRow("a full disk") << u"txtItemName"_s << u"Mug"_s << u"item.tqf"_s << true << QStringList{};
}

void Form1FilesTest::refusedSaveChangesNothing() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(bool, diskFull);
    QFETCH(QStringList, reason);
    writeFile(path(u"item.tqf"_s), OldContent);
    assignText(*ui().find<QLineEdit>(field), text);
    const QStringList window = ui().snapshot();
    const QStringList folder = folderContent(m_dir.path());

    DialogAnswers answers;
    answers.answerFileName(path(target)).answerMessage(QMessageBox::Ok);
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(8);
        trigger(*m_window, "mnuSave");
    }
    QCOMPARE(answers.problems(), QString());
    const QString message = answers.texts.value(0);

    for (const QString& part : reason + QStringList{QDir::toNativeSeparators(path(target))})
        QVERIFY2(message.contains(part), qPrintable(message));
    QCOMPARE(ui().snapshot(), window);
    QCOMPARE(folderContent(m_dir.path()), folder);
}

void Form1FilesTest::refusedOpenChangesNothing_data() {
    QTest::addColumn<QString>("target");  // in the test folder, or an absolute path
    QTest::addColumn<QByteArray>("file"); // written to the target, unless it is a named pipe or absolute
    QTest::addColumn<QString>("reason");
    const QByteArray fields(ClassicFieldCount, '\xA5');
    const QString special = u"it is a device, pipe or socket"_s;

    QTest::addRow("more than 36 separators") << u"bad.tqf"_s << fields + "\xA5\r\n" << u"37 field separators"_s;
    QTest::addRow("a check box reading 3") << u"bad.tqf"_s << QByteArray(5, '\xA5') + "3" + fields.sliced(5) + "\r\n"
                                           << u"Option set 1, in use"_s;
    QTest::addRow("a check box reading -1")
        << u"bad.tqf"_s << QByteArray(34, '\xA5') + "-1" + fields.sliced(34) << u"-1"_s;
    QTest::addRow("a file over 1 MiB") << u"bad.tqf"_s << QByteArray(MaxItemFileSize + 1, 'x') << u"1 MiB"_s;
    QTest::addRow("a value of a newer Velmora") << u"newer.tqf"_s << "#price.tier=2\r\n" + fields + "\r\n"
                                                << u"a newer Velmora wrote it"_s;
    // Opening either would freeze the window; neither is opened.
    QTest::addRow("a named pipe") << u"pipe.tqf"_s << QByteArray() << special;
    QTest::addRow("a device") << u"/dev/zero"_s << QByteArray() << special;
}

void Form1FilesTest::refusedOpenChangesNothing() {
    QFETCH(QString, target);
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    putItem(*m_window, itemWith([](int i) { return u"kept %1"_s.arg(i); },
                                {{ItemValueId::Option1Active, u"1"_s}, {ItemValueId::Option1TextBox, u"1"_s}}));
    const QString chosen = QDir(m_dir.path()).filePath(target);
    if (target == u"pipe.tqf")
        QVERIFY(::mkfifo(QFile::encodeName(chosen).constData(), 0600) == 0);
    else if (!QDir::isAbsolutePath(target))
        writeFile(chosen, file);
    const QStringList window = ui().snapshot();

    DialogAnswers answers;
    answers.answerFileName(chosen).answerMessage(QMessageBox::Ok);
    trigger(*m_window, "mnuOpen");
    QCOMPARE(answers.problems(), QString());
    const QString message = answers.texts.value(0);

    QVERIFY2(message.contains(QDir::toNativeSeparators(chosen)), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(ui().snapshot(), window);
}

void Form1FilesTest::cancellingChangesNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addRow("save") << u"mnuSave"_s;
    QTest::addRow("open") << u"mnuOpen"_s;
}

void Form1FilesTest::cancellingChangesNothing() {
    QFETCH(QString, command);
    writeFile(path(u"item.tqf"_s), OldContent);
    assignText(*ui().find<QLineEdit>(u"txtItemName"_s), u"Mug"_s);
    const QStringList window = ui().snapshot();
    const QStringList folder = folderContent(m_dir.path());

    DialogAnswers answers;
    answers.answerFileName(QString());
    ui().find<QAction>(command)->trigger();
    QCOMPARE(answers.problems(), QString());

    QCOMPARE(ui().snapshot(), window);
    QCOMPARE(folderContent(m_dir.path()), folder);
}

void Form1FilesTest::keepsOptionalLinesUntilNewOrOpen_data() {
    QTest::addColumn<QString>("between"); // what the user does between opening and saving
    QTest::addColumn<bool>("kept");

    QTest::addRow("saved again: the lines as they were") << QString() << true;
    QTest::addRow("after opening a classic file: that file byte for byte") << u"mnuOpen"_s << false;
    QTest::addRow("after New: none") << u"mnuNew"_s << false;
}

// Values a newer Velmora may pass over survive an older window's save of the item they came with, and only that.
void Form1FilesTest::keepsOptionalLinesUntilNewOrOpen() {
    QFETCH(QString, between);
    QFETCH(bool, kept);
    const QByteArray mug = contentOf(QStringLiteral(VELMORA_EXAMPLES_DIR "/mug.tqf"));
    const QByteArray optional = "#x.later=1\r\n#x.earlier=a%20b\r\n";
    writeFile(path(u"newer.tqf"_s), optional + mug);
    writeFile(path(u"classic.tqf"_s), mug);

    QCOMPARE(open(*m_window, path(u"newer.tqf"_s)), QString());
    if (between == u"mnuOpen")
        QCOMPARE(open(*m_window, path(u"classic.tqf"_s)), QString());
    else if (!between.isEmpty())
        trigger(*m_window, qPrintable(between));
    QCOMPARE(save(path(u"saved.tqf"_s)), QString());

    const QByteArray saved = contentOf(path(u"saved.tqf"_s));
    QCOMPARE(saved.contains("#x."), kept);
    if (between != u"mnuNew")
        QCOMPARE(saved, (kept ? optional : QByteArray()) + mug);
}

void Form1FilesTest::opensTheRecordBehindDamagedLines_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QStringList>("said");

    QTest::addRow("damaged lines") << QByteArray("Dear customer,\r\n#x.later=1\r\n")
                                   << QStringList{u"damaged"_s, u"line 1, \"Dear customer,\""_s};
    QTest::addRow("a kind of button it does not know")
        << QByteArray("#type=gift-card\r\n") << QStringList{u"\"gift-card\""_s, u"opens as Add to Cart"_s};
}

// The window opens what it can of a damaged file, as of a short record, and says what it left out.
void Form1FilesTest::opensTheRecordBehindDamagedLines() {
    QFETCH(QByteArray, lines);
    QFETCH(QStringList, said);
    const QString mugFile = QStringLiteral(VELMORA_EXAMPLES_DIR "/mug.tqf");
    const QString damaged = path(u"damaged.tqf"_s);
    writeFile(damaged, lines + contentOf(mugFile));

    DialogAnswers answers;
    answers.answerFileName(damaged).answerMessage(QMessageBox::Ok);
    trigger(*m_window, "mnuOpen");
    QCOMPARE(answers.problems(), QString());
    const QString message = answers.texts.value(0);
    for (const QString& part : QStringList{QDir::toNativeSeparators(damaged)} + said)
        QVERIFY2(message.contains(part), qPrintable(message));
    QCOMPARE(heldFields(*m_window), heldForm(readItemFile(mugFile, RecordCheck::Strict).record));

    QCOMPARE(save(path(u"saved.tqf"_s)), QString());
    QCOMPARE(contentOf(path(u"saved.tqf"_s)), contentOf(mugFile));
}

QTEST_MAIN(Form1FilesTest)
#include "Form1FilesTest.moc"
