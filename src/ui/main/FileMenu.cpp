#include "ui/main/FileMenu.h"

#include "store/ItemFile.h"
#include "store/NativeFileName.h"
#include "store/RecentFiles.h"
#include "store/RecordValues.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/kit/BuiltControls.h"
#include "ui/kit/ControlValues.h"
#include "ui/main/ItemFields.h"

#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

// The dropped files when every one is a local item file; none otherwise, and the drop is refused.
QStringList droppedItemFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile() || !url.fileName().endsWith(u".tqf"_s, Qt::CaseInsensitive))
            return {};
        files << url.toLocalFile();
    }
    return files;
}

} // namespace

FileMenu::FileMenu(const BuiltControls& built, ItemFields& fields, SettingsStore& store, QWidget& window)
    : m_fields(fields), m_store(store), m_window(window),
      m_mnuOpenRecent(built.get<QMenu>(QStringLiteral("mnuOpenRecent"))) {
    onCommand(built.get<QObject>(QStringLiteral("mnuNew")), this, [this] { mnuNew_Click(); });
    onCommand(built.get<QObject>(QStringLiteral("mnuSave")), this, [this] { mnuSave_Click(); });
    onCommand(built.get<QObject>(QStringLiteral("mnuOpen")), this, [this] { mnuOpen_Click(); });
    connect(&built.get<QMenu>(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this, &FileMenu::fillRecentMenu);
}

// A new item keeps nothing of the file opened last.
void FileMenu::mnuNew_Click() {
    m_fields.cmdClearAll_Click();
    m_keptItemLines.clear();
}

ItemRecord FileMenu::BuildItemRecord() const {
    ItemRecord record;
    for (const ItemValue& value : itemValues())
        record[value.id] = itemFieldText(controlValue(m_fields.control(value.id), storedKind(value.kind)));
    return record;
}

// Assigns the controls in file order, so each check box and option button runs its handler in that order:
// set 1's box takes set 2 down before set 2's own box may bring it back. The reader has refused check-box values
// a box cannot hold.
void FileMenu::LoadItemRecord(const ItemRecord& record) {
    for (const ItemValue& value : itemValues())
        setControlValue(m_fields.control(value.id), itemFieldValue(storedKind(value.kind), record[value.id]));
}

void FileMenu::mnuSave_Click() {
    const ItemRecord record = BuildItemRecord();
    const QString path = chooseItemFile(QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    if (const ItemSaveResult saved = writeItemFile(path, record, m_keptItemLines); !saved.ok()) {
        showFileProblem(saved.error);
        return;
    }
    rememberItemFile(path);
}

void FileMenu::mnuOpen_Click() {
    if (const QString path = chooseItemFile(QFileDialog::AcceptOpen); !path.isEmpty())
        openItemFile(path);
}

void FileMenu::openItemFile(const QString& path) {
    // The window keeps the names it opens among the recent files, in a settings file of UTF-8 text.
    if (!isTextFileName(path)) {
        showFileProblem(u"Couldn't open \"%1\": its name is not UTF-8 text. Rename the file, or make its form with "
                        u"velmora-cli."_s.arg(shownFileName(path)));
        return;
    }
    // The whole file is read and accepted before a single control changes. A short record fills the fields it
    // reaches, and damaged lines before it leave the record alone; only scripts insist on a whole file.
    const ItemRecordResult read = readItemFile(path, RecordCheck::Lenient);
    if (!read.ok()) {
        showFileProblem(read.error);
        return;
    }
    LoadItemRecord(read.record);
    m_keptItemLines = read.optionalLines;
    rememberItemFile(path);
    if (!read.damage.isEmpty())
        showFileProblem(read.damage);
    if (!read.unofferedChoices.isEmpty())
        showFileProblem(read.unofferedChoices);
}

void FileMenu::openItemFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    openItemFile(paths.first());
    if (paths.size() == 1)
        return;
    QStringList others;
    for (const QString& path : paths.sliced(1))
        others << shownFileName(path);
    showMessage(
        {.text = u"The window holds one item at a time, so these files were not opened:\n"_s + others.join(u'\n'),
         .icon = QMessageBox::Information,
         .parent = &m_window,
         .name = u"ItemFilesNotOpened"_s});
}

void FileMenu::dragEnterEvent(QDragEnterEvent* event) const {
    if (!droppedItemFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FileMenu::dropEvent(QDropEvent* event) {
    const QStringList files = droppedItemFiles(*event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: a message box shown inside it would hold up the program the files came from.
    QMetaObject::invokeMethod(
        this, [this, files] { openItemFiles(files); }, Qt::QueuedConnection);
}

// The chosen path, or empty when the user cancels. No default suffix: a name typed without ".tqf" is used as
// typed. Saving over an existing file asks first, as the dialog does unless told otherwise.
QString FileMenu::chooseItemFile(QFileDialog::AcceptMode mode) {
    if (!m_CommonDialog1) {
        m_CommonDialog1 = new QFileDialog(&m_window);
        m_CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    }
    m_CommonDialog1->setNameFilter(QStringLiteral("Kestrine Files (*.tqf)"));
    m_CommonDialog1->setAcceptMode(mode);
    m_CommonDialog1->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return chooseFileName(*m_CommonDialog1);
}

void FileMenu::showFileProblem(const QString& message) {
    showMessage({.text = message,
                 .icon = QMessageBox::Warning,
                 .parent = &m_window,
                 .name = QStringLiteral("ItemFileProblem")});
}

void FileMenu::rememberItemFile(const QString& path) {
    saveRecentFiles(m_store, withRecentFile(rereadRecentFiles(m_store), path));
}

// Run as the File menu opens: files gone since drop out for good, so that every entry offered can be opened.
void FileMenu::fillRecentMenu() {
    const QStringList recent = rereadRecentFiles(m_store);
    const QStringList existing = withoutMissingFiles(recent);
    if (existing != recent)
        saveRecentFiles(m_store, existing);

    m_mnuOpenRecent.clear();
    for (qsizetype i = 0; i < existing.size(); ++i) {
        const QString& path = existing[i];
        // An "&" in a file name would otherwise take the access key.
        const QString caption = QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"));
        QAction* entry = m_mnuOpenRecent.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        connect(entry, &QAction::triggered, this, [this, path] { openItemFile(path); });
    }
    m_mnuOpenRecent.setEnabled(!existing.isEmpty());
}

} // namespace velmora
