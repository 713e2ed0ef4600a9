#pragma once

#include <QMessageBox>

#include <functional>

class QFileDialog;

namespace velmora {

// What a message box shows; every box is titled with the application's title.
struct Message {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QWidget* parent = nullptr;
    QString name{}; // the box's objectName, for the people reading it
};

// Shows the message and waits for the user; returns the button chosen.
QMessageBox::StandardButton showMessage(const Message& message);

// Shows the dialog, set up by the caller, and waits for the user; returns the chosen path, or empty for Cancel.
QString chooseFileName(QFileDialog& dialog);

// Where tests answer in the user's place: while an answerer is set, it gets the message or dialog instead of the
// screen. An empty function gives them back to the user.
using MessageAnswerer = std::function<QMessageBox::StandardButton(const Message&)>;
using FileNameAnswerer = std::function<QString(const QFileDialog&)>;
void answerMessagesWith(MessageAnswerer answerer);
void answerFileNamesWith(FileNameAnswerer answerer);

} // namespace velmora
