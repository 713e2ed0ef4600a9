#pragma once

// Answers the modal dialogs a command opens, one answer per dialog in the order they come, the way a user would.
// A dialog nobody expected is recorded and dismissed, so a fault shows as a failure instead of a hung test.

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>

class ModalAnswers {
public:
    // Answers the dialog; returns what was wrong with it, or nothing.
    using Answer = std::function<QString(QWidget*)>;

    ModalAnswers& then(Answer answer) {
        m_answers.push_back(std::move(answer));
        return *this;
    }

    // Runs the command, answering its dialogs as they open. Returns everything that went wrong, or nothing.
    QString during(const std::function<void()>& command) {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] { answerTopDialog(); });
        poll.start();
        command();
        poll.stop();
        if (!m_answers.empty())
            m_problems << QStringLiteral("%1 dialog(s) expected but never shown").arg(m_answers.size());
        return m_problems.join(u"; ");
    }

    // Types a path into the file dialog's name box and presses Enter.
    static Answer typePath(const QString& path, QFileDialog::AcceptMode mode) {
        return [=](QWidget* modal) -> QString {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog || dialog->acceptMode() != mode)
                return QStringLiteral("expected the %1 dialog, got %2")
                    .arg(mode == QFileDialog::AcceptSave ? "save" : "open", describe(modal));
            // The dialog follows what is typed only while its name box has the focus.
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setFocus();
            if (!QTest::qWaitFor([edit] { return edit->hasFocus(); }))
                return QStringLiteral("the file name box never got the focus");
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, path);
            QTest::keyClick(edit, Qt::Key_Return);
            return {};
        };
    }

    static Answer pressEscape() {
        return [](QWidget* modal) -> QString {
            QTest::keyClick(modal, Qt::Key_Escape);
            return {};
        };
    }

    // Presses a button of a message box, keeping its text for the test to read.
    static Answer press(QMessageBox::StandardButton button, QString* text = nullptr) {
        return [=](QWidget* modal) -> QString {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || !box->button(button))
                return QStringLiteral("expected a message box, got ") + describe(modal);
            if (text)
                *text = box->text();
            QTest::mouseClick(box->button(button), Qt::LeftButton);
            return {};
        };
    }

private:
    static QString describe(QWidget* widget) {
        const auto* box = qobject_cast<QMessageBox*>(widget);
        return QStringLiteral("%1 \"%2\"%3")
            .arg(widget->metaObject()->className(), widget->objectName(), box ? " saying: " + box->text() : "");
    }

    static void dismiss(QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
        else
            widget->close();
    }

    void answerTopDialog() {
        QWidget* modal = QApplication::activeModalWidget();
        // A dialog comes up for a new answer once its last answer has run to the end and it is still open, as a
        // file dialog is after "No" to replacing a file.
        if (!modal || m_answering.contains(modal))
            return;
        if (m_answers.empty()) {
            m_problems << QStringLiteral("unexpected ") + describe(modal);
            dismiss(modal);
            return;
        }
        // Answered from a fresh event: a dialog that the answer opens runs its own loop, and this timer does not
        // fire again until its handler has returned.
        m_answering.append(modal);
        QTimer::singleShot(0, modal, [this, modal, answer = std::move(m_answers.front())] {
            if (const QString problem = answer(modal); !problem.isEmpty()) {
                m_problems << problem;
                dismiss(modal);
            }
            m_answering.removeAll(modal);
        });
        m_answers.pop_front();
    }

    std::deque<Answer> m_answers;
    QList<QPointer<QWidget>> m_answering;
    QStringList m_problems;
};
