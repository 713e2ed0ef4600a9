#include "ui/dialogs/Dialogs.h"

#include "ui/dialogs/ApplicationTitle.h"

#include <QFileDialog>

namespace velmora {

namespace {

MessageAnswerer& messageAnswerer() {
    static MessageAnswerer answerer;
    return answerer;
}

FileNameAnswerer& fileNameAnswerer() {
    static FileNameAnswerer answerer;
    return answerer;
}

} // namespace

QMessageBox::StandardButton showMessage(const Message& message) {
    if (messageAnswerer())
        return messageAnswerer()(message);
    QMessageBox box(message.icon, applicationTitle(), message.text, message.buttons, message.parent);
    box.setObjectName(message.name);
    return QMessageBox::StandardButton(box.exec());
}

QString chooseFileName(QFileDialog& dialog) {
    if (fileNameAnswerer())
        return fileNameAnswerer()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void answerMessagesWith(MessageAnswerer answerer) {
    messageAnswerer() = std::move(answerer);
}

void answerFileNamesWith(FileNameAnswerer answerer) {
    fileNameAnswerer() = std::move(answerer);
}

} // namespace velmora
