// The File menu's new, save and open: the window's controls as an item record and back, through one file dialog; and
// item files handed to the window from outside, on the command line or dropped on it.
#include "ui/Form1.h"

#include "store/ItemFile.h"
#include "store/NativeFileName.h"
#include "store/RecordValues.h"
#include "ui/ControlValues.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>

using namespace velmora;
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

// A new item keeps nothing of the file opened last.
void Form1::mnuNew_Click() {
    cmdClearAll_Click();
    m_keptItemLines.clear();
}

ItemRecord Form1::BuildItemRecord() const {
    ItemRecord record;
    for (const ItemValue& value : itemValues())
        record[value.id] = itemFieldText(controlValue(*m_itemControls[value.id], storedKind(value.kind)));
    return record;
}

// Assigns the controls in file order, so each check box and option button runs its handler in that order:
// set 1's box takes set 2 down before set 2's own box may bring it back. The reader has refused check-box values
// a box cannot hold.
void Form1::LoadItemRecord(const ItemRecord& record) {
    for (const ItemValue& value : itemValues())
        setControlValue(*m_itemControls[value.id], itemFieldValue(storedKind(value.kind), record[value.id]));
}

void Form1::mnuSave_Click() {
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

void Form1::mnuOpen_Click() {
    if (const QString path = chooseItemFile(QFileDialog::AcceptOpen); !path.isEmpty())
        openItemFile(path);
}

void Form1::openItemFile(const QString& path) {
    // The window keeps the names it opens among the recent files, in a settings file of UTF-8 text.
    if (!isTextFileName(path)) {
        showFileProblem(u"Couldn't open \"%1\": its name is not UTF-8 text. Rename the file, or make its form with "
                        u"velmora-cli."_s.arg(QDir::toNativeSeparators(readableFileName(path))));
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
}

void Form1::openItemFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    openItemFile(paths.first());
    if (paths.size() == 1)
        return;
    QStringList others;
    for (const QString& path : paths.sliced(1))
        others << QDir::toNativeSeparators(readableFileName(path));
    showMessage(
        {.text = u"The window holds one item at a time, so these files were not opened:\n"_s + others.join(u'\n'),
         .icon = QMessageBox::Information,
         .parent = this,
         .name = u"ItemFilesNotOpened"_s});
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedItemFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
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
QString Form1::chooseItemFile(QFileDialog::AcceptMode mode) {
    if (!m_CommonDialog1) {
        m_CommonDialog1 = new QFileDialog(this);
        m_CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    }
    m_CommonDialog1->setNameFilter(QStringLiteral("Kestrine Files (*.tqf)"));
    m_CommonDialog1->setAcceptMode(mode);
    m_CommonDialog1->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return chooseFileName(*m_CommonDialog1);
}

void Form1::showFileProblem(const QString& message) {
    showMessage(
        {.text = message, .icon = QMessageBox::Warning, .parent = this, .name = QStringLiteral("ItemFileProblem")});
}
