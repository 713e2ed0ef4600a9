// The File menu's save and open: the window's controls as an item record and back, through one file dialog.
#include "ui/Form1.h"

#include "store/ItemFile.h"
#include "ui/ControlValues.h"
#include "ui/Dialogs.h"
#include "ui/ItemControls.h"

using namespace velmora;

ItemRecord Form1::BuildItemRecord() const {
    ItemRecord record;
    for (const ItemControl& row : itemControls())
        record[row.field] = itemFieldText(controlValue(*m_itemControls[row.field], row.kind));
    return record;
}

// Assigns the controls in file order, so each check box and option button runs its handler in that order:
// set 1's box takes set 2 down before set 2's own box may bring it back. The reader has refused check-box values
// a box cannot hold.
void Form1::LoadItemRecord(const ItemRecord& record) {
    for (const ItemControl& row : itemControls())
        setControlValue(*m_itemControls[row.field], itemFieldValue(row.kind, record[row.field]));
}

void Form1::mnuSave_Click() {
    const ItemRecord record = BuildItemRecord();
    const QString path = chooseItemFile(QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    if (const ItemSaveResult saved = writeItemFile(path, record); !saved.ok())
        showFileProblem(saved.error);
}

void Form1::mnuOpen_Click() {
    const QString path = chooseItemFile(QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    // The whole file is read and accepted before a single control changes. A short record fills the fields it
    // reaches; only scripts insist on a whole one.
    const ItemRecordResult read = readItemFile(path, RecordCheck::Lenient);
    if (!read.ok()) {
        showFileProblem(read.error);
        return;
    }
    LoadItemRecord(read.record);
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
