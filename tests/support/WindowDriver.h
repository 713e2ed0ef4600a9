#pragma once

// A main window started the way the program starts it, over a store file of the test's own, and the user's side of
// any window: finding its controls by name, clicking, typing, choosing menu commands, a step language for these, and
// summaries of what the window shows to compare with.

#include "ui/main/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <memory>

// Constructs the window over the store file, runs its load step and shows it, as the program's main does.
std::unique_ptr<Form1> startWindow(const QString& storeFile);

// Closes the window as its close box does, through the window system.
void closeWindow(QWidget& window);

// Types the text key by key, any character at all: QTest::keyClicks knows Latin-1 alone.
void typeKeys(QWidget* widget, const QString& text);

// Clicks into the box, selects what it holds and types over it; an empty text clears the box.
void typeInto(QLineEdit* edit, const QString& text);

// Clicks a button; check boxes and option buttons on their indicator at the left edge.
void clickOn(QWidget* widget);

// The top-level windows of the given class that are open now.
template <class Window> QList<Window*> openWindows() {
    QList<Window*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            open << window;
    }
    return open;
}

// The user's side of one window, its controls found by name.
class WindowDriver {
public:
    explicit WindowDriver(QWidget& window) : m_window(&window) {}

    // The control, which must be there: a test that names a control the window lacks stops at once.
    template <class T = QWidget> T* find(const QString& name) const {
        auto* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    // Shown once the window is, whether it is yet or not.
    bool shown(const QString& name) const { return find(name)->isVisibleTo(m_window); }

    void click(const QString& name) const { clickOn(find(name)); }
    void type(const QString& name, const QString& text) const { typeInto(find<QLineEdit>(name), text); }
    // Chooses the list's entry whose data is the text, as the user's choice would.
    void pick(const QString& name, const QString& data) const;
    // Clicks a command on the menu bar itself; commands inside a menu are triggered as a chosen item is.
    void choose(const QString& command) const;

    // Runs each step: "click NAME", "type NAME TEXT" (the rest of the line, blanks included; an empty text clears the
    // box), "set NAME=VALUE" for a check box's value assigned by code, "select NAME" or "deselect NAME" for an option
    // button by code, "pick NAME DATA" for the entry of a drop-down list whose data is DATA, as a click would.
    void run(const QStringList& steps) const;
    // Checks "NAME=TEXT" of a box, or "NAME shown|hidden|enabled|disabled|checked|unchecked|grayed|selected".
    void check(const QStringList& expectations) const;

    // A set the way its state tables read: use box, body, values, kind ("use shown 1, body, values, DropDown"). A
    // group that is partly shown reads "body?" or "values?", which no table expects.
    QString optionSetState(int set) const;
    // Every named control of the window itself, sorted: shown, enabled, and what it holds.
    QStringList snapshot() const;

private:
    QWidget* m_window;
};
