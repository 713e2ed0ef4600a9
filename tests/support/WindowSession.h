#pragma once

// A main window started the way the program starts it, over a store file of the test's own, and the user's
// side of it: choosing menu commands, typing and clicking.

#include "ui/main/Form1.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>

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

// Types the text key by key, any character at all: QTest::keyClicks knows Latin-1 alone.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.sliced(i, width), Qt::NoModifier);
        i += width - 1;
    }
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
        typeKeys(edit, text);
    QCOMPARE(edit->text(), text);
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
