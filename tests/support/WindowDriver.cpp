#include "support/WindowDriver.h"

#include "ui/kit/ControlValues.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

std::unique_ptr<Form1> startWindow(const QString& storeFile) {
    auto window = std::make_unique<Form1>(storeFile);
    window->Form_Load();
    window->show();
    QApplication::setActiveWindow(window.get());
    return window;
}

void closeWindow(QWidget& window) {
    window.windowHandle()->close();
}

void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.sliced(i, width), Qt::NoModifier);
        i += width - 1;
    }
}

void typeInto(QLineEdit* edit, const QString& text) {
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

void clickOn(QWidget* widget) {
    QVERIFY2(widget && widget->isVisible() && widget->isEnabled(),
             qPrintable((widget ? widget->objectName() : u"nothing"_s) + u" cannot be clicked"_s));
    const bool indicator = qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QPushButton*>(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, indicator ? QPoint(8, widget->height() / 2) : QPoint());
}

void WindowDriver::choose(const QString& command) const {
    auto* action = find<QAction>(command);
    QMenuBar* bar = qobject_cast<QMainWindow*>(m_window)->menuBar();
    if (bar->actions().contains(action))
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    else
        action->trigger();
}

void WindowDriver::pick(const QString& name, const QString& data) const {
    auto* list = find<QComboBox>(name);
    const int entry = list->findData(data);
    QVERIFY2(entry >= 0, qPrintable(name + " offers no " + data));
    list->setCurrentIndex(entry);
}

void WindowDriver::run(const QStringList& steps) const {
    for (const QString& step : steps) {
        const QString verb = step.section(u' ', 0, 0);
        const QString argument = step.section(u' ', 1);
        if (verb == u"click")
            click(argument);
        else if (verb == u"type")
            type(argument.section(u' ', 0, 0), argument.section(u' ', 1));
        else if (verb == u"set")
            QVERIFY(velmora::setCheckValue(*find<QCheckBox>(argument.section(u'=', 0, 0)),
                                           argument.section(u'=', 1).toInt()));
        else if (verb == u"pick")
            pick(argument.section(u' ', 0, 0), argument.section(u' ', 1));
        else if (verb == u"select" || verb == u"deselect")
            velmora::setSelected(*find<QRadioButton>(argument), verb == u"select");
        else
            QFAIL(qPrintable("unknown step " + step));
        if (QTest::currentTestFailed())
            return;
    }
}

void WindowDriver::check(const QStringList& expectations) const {
    for (const QString& expectation : expectations) {
        if (const qsizetype equals = expectation.indexOf(u'='); equals > 0) {
            QCOMPARE(find<QLineEdit>(expectation.left(equals))->text(), expectation.mid(equals + 1));
            continue;
        }
        QWidget* widget = find(expectation.section(u' ', 0, 0));
        const QString word = expectation.section(u' ', 1);
        const auto* box = qobject_cast<QCheckBox*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QHash<QString, bool> facts = {
            {u"shown"_s, widget->isVisibleTo(m_window)},
            {u"hidden"_s, !widget->isVisibleTo(m_window)},
            {u"enabled"_s, widget->isEnabled()},
            {u"disabled"_s, !widget->isEnabled()},
            {u"checked"_s, box && box->checkState() == Qt::Checked},
            {u"unchecked"_s, box && box->checkState() == Qt::Unchecked},
            {u"grayed"_s, box && box->checkState() == Qt::PartiallyChecked},
            {u"selected"_s, button && button->isChecked()},
        };
        QVERIFY2(facts.contains(word), qPrintable("unknown check " + expectation));
        QVERIFY2(facts[word], qPrintable(expectation));
    }
}

QString WindowDriver::optionSetState(int set) const {
    const auto group = [this](const QStringList& names, const QString& word) -> QString {
        int visible = 0;
        for (const QString& name : names)
            visible += shown(name);
        return visible == 0 ? QString() : visible == names.size() ? u", "_s + word : u", "_s + word + u'?';
    };
    const QString n = QString::number(set);
    QStringList values;
    for (int i = 0; i < 10; ++i)
        values << u"txtOptSet%1(%2)"_s.arg(n).arg(i) << u"Label6(%1)"_s.arg(set == 1 ? i : 19 - i);
    const auto* use = find<QCheckBox>(u"chkOption%1Active"_s.arg(n));
    QString state =
        u"use %1 %2"_s.arg(shown(use->objectName()) ? u"shown"_s : u"hidden"_s).arg(velmora::checkValue(*use));
    state += group({"txtOptName" + n, set == 1 ? u"Label11"_s : u"Label12"_s, "optSet" + n + "DropDown",
                    "optSet" + n + "TextBox", "cmdClearOptions" + n},
                   u"body"_s);
    state += group(values, u"values"_s);
    const bool dropDown = find<QRadioButton>("optSet" + n + "DropDown")->isChecked();
    const bool textBox = find<QRadioButton>("optSet" + n + "TextBox")->isChecked();
    return state + (dropDown ? u", DropDown"_s : textBox ? u", TextBox"_s : u", no kind"_s);
}

QStringList WindowDriver::snapshot() const {
    QStringList lines;
    for (QWidget* widget : m_window->findChildren<QWidget*>()) {
        // Qt's own helpers (the menu bar's overflow button...) follow the screen, not the item.
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_") || widget->window() != m_window)
            continue;
        QString held;
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            held = edit->text();
        else if (auto* box = qobject_cast<QCheckBox*>(widget))
            held = QString::number(velmora::checkValue(*box));
        else if (auto* button = qobject_cast<QRadioButton*>(widget))
            held = button->isChecked() ? u"selected"_s : QString();
        else if (auto* code = qobject_cast<QPlainTextEdit*>(widget))
            held = code->toPlainText();
        lines << u"%1 %2 %3 [%4]"_s.arg(name, widget->isVisibleTo(m_window) ? u"shown"_s : u"hidden"_s,
                                        widget->isEnabled() ? u"enabled"_s : u"disabled"_s, held);
    }
    lines.sort();
    return lines;
}
