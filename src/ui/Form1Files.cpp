// The File menu's save and open: the window's controls as an item record and back, through one file dialog.
#include "ui/Form1.h"

#include "store/ItemFile.h"
#include "ui/ApplicationTitle.h"

#include <QMessageBox>

using namespace velmora;

// Reads the controls in file order, each as its kind of field writes it.
ItemRecord Form1::BuildItemRecord() const {
    ItemRecord record;
    for (int i = 0; i < ItemFieldCount; ++i) {
        const QString name = ItemFields[i].control;
        switch (ItemFields[i].kind) {
        case ItemFieldKind::Text:
            record[i] = controlText(name);
            break;
        case ItemFieldKind::CheckBox:
            record[i] = checkBoxField(checkValue(name));
            break;
        case ItemFieldKind::OptionButton:
            record[i] = optionButtonField(isSelected(name));
            break;
        }
    }
    return record;
}

// Assigns the controls in file order, so each check box and option button runs its handler in that order:
// set 1's box takes set 2 down before set 2's own box may bring it back.
void Form1::LoadItemRecord(const ItemRecord& record) {
    for (int i = 0; i < ItemFieldCount; ++i) {
        const QString name = ItemFields[i].control;
        switch (ItemFields[i].kind) {
        case ItemFieldKind::Text:
            setControlText(name, record[i]);
            break;
        case ItemFieldKind::CheckBox:
            setCheckValue(name, checkBoxValue(record[i])); // the reader has refused values a box cannot hold
            break;
        case ItemFieldKind::OptionButton:
            setSelected(name, optionButtonSelected(record[i]));
            break;
        }
    }
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
    QFileDialog& dialog = *m_CommonDialog1;
    dialog.setNameFilter(QStringLiteral("Kestrine Files (*.tqf)"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void Form1::showFileProblem(const QString& message) {
    QMessageBox box(QMessageBox::Warning, velmora::applicationTitle(), message, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("ItemFileProblem"));
    box.exec();
}
