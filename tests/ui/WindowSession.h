#pragma once

// A main window started the way the program starts it, over a store file of the test's own, and the user's
// side of it: answering the message boxes it shows, choosing menu commands, typing and clicking.

#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Answers every message box with OK as it opens, noting what it said in the order they came. The store's
// problem notices read "notice | TEXT", the others "TITLE | TEXT | icon N | K button(s)".
class DialogLog : public QObject {
public:
    explicit DialogLog(std::function<void()> beforeAnswer = {}) : m_beforeAnswer(std::move(beforeAnswer)) {
        connect(&m_poll, &QTimer::timeout, this, &DialogLog::answer);
        m_poll.start(10);
    }

    QStringList seen;

    QStringList notices() const {
        QStringList found;
        for (const QString& entry : seen) {
            if (entry.startsWith(QLatin1StringView("notice | ")))
                found << entry;
        }
        return found;
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (m_beforeAnswer)
            m_beforeAnswer();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            seen << QStringLiteral("unexpected %1").arg(modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        if (box->objectName() == QLatin1StringView("StoreProblemNotice"))
            seen << QStringLiteral("notice | %1").arg(box->text());
        else
            seen << QStringLiteral("%1 | %2 | icon %3 | %4 button(s)")
                        .arg(box->windowTitle(), box->text())
                        .arg(int(box->icon()))
                        .arg(box->buttons().size());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    std::function<void()> m_beforeAnswer;
    QTimer m_poll;
};

// Constructs the window over the store file, runs its load step and shows it, as the program's main does.
inline std::unique_ptr<Form1> startWindow(const QString& storeFile) {
    auto window = std::make_unique<Form1>(storeFile);
    window->Form_Load();
    window->show();
    QApplication::setActiveWindow(window.get());
    return window;
}

// Closes the window as its close box does, through the window system.
inline void closeWindow(Form1& window) {
    window.windowHandle()->close();
}

// Clicks a command on the menu bar itself; commands inside a menu are triggered as a chosen item is.
inline void choose(Form1& window, const QString& name) {
    auto* action = window.findChild<QAction*>(name);
    QVERIFY2(action, qPrintable("no menu command " + name));
    QMenuBar* bar = window.menuBar();
    if (bar->actions().contains(action))
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    else
        action->trigger();
}

// Clicks into the box, selects what it holds and types over it; an empty text clears the box.
inline void typeInto(QLineEdit* edit, const QString& text) {
    QVERIFY(edit && edit->isVisible() && edit->isEnabled());
    QApplication::setActiveWindow(edit->window());
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Clicks a button; check boxes and option buttons on their indicator at the left edge.
inline void clickOn(QWidget* widget) {
    QVERIFY(widget && widget->isVisible() && widget->isEnabled());
    const bool indicator = qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QPushButton*>(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, indicator ? QPoint(8, widget->height() / 2) : QPoint());
}

// The top-level windows of the given class that are open now.
template <class Window> QList<Window*> openWindows() {
    QList<Window*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            open << window;
    }
    return open;
}
