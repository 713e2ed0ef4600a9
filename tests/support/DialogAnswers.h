#pragma once

// Answers the windows' message boxes and file dialogs in the user's place, through the functions the windows show
// them with, for as long as it lives. Each answer is given before the action that asks for it; a request with no
// answer waiting gets OK, or Cancel for a file name, and counts as unexpected.

#include "ui/dialogs/Dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include <deque>
#include <functional>

class DialogAnswers {
public:
    // A file dialog as the window had set it up when it asked.
    struct FileRequest {
        const QFileDialog* dialog = nullptr;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        QStringList nameFilters;
        QString defaultSuffix;
        bool confirmsOverwrite = false;
    };

    DialogAnswers();
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    // The button the next message box is answered with.
    DialogAnswers& answerMessage(QMessageBox::StandardButton button);
    // The name the next file dialog gives back; empty stands for Cancel.
    DialogAnswers& answerFileName(const QString& name);

    // Every request in the order they came: a message as "TITLE | TEXT | icon N | K button(s)", a problem of the
    // store as "notice | TEXT", a file dialog as "file dialog".
    QStringList seen;
    QStringList texts; // of the messages alone
    QList<FileRequest> fileRequests;
    // Runs as each request comes, before it is answered.
    std::function<void()> whenAsked;

    // The store's problem notices among what was seen.
    QStringList notices() const;
    // Requests that came with no answer waiting, and answers never asked for; empty when all went as answered.
    QString problems() const;

private:
    QMessageBox::StandardButton answer(const velmora::Message& message);
    QString answer(const QFileDialog& dialog);

    std::deque<QMessageBox::StandardButton> m_buttons;
    std::deque<QString> m_names;
    QStringList m_unexpected;
};
