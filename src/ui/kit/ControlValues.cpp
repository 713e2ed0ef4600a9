#include "ui/kit/ControlValues.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace velmora {

namespace {

int valueOf(int state) {
    switch (state) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

// The class of control that holds a value of the kind.
const QMetaObject& controlClass(ValueKind kind) {
    switch (kind) {
    case ValueKind::Text:
        return QLineEdit::staticMetaObject;
    case ValueKind::CheckBox:
        return QCheckBox::staticMetaObject;
    case ValueKind::Boolean:
        return QAbstractButton::staticMetaObject;
    }
    Q_UNREACHABLE();
}

} // namespace

StoredValue controlValue(const QWidget& control, ValueKind kind) {
    Q_ASSERT(holdsKind(control, kind));
    switch (kind) {
    case ValueKind::Text:
        if (const auto* list = qobject_cast<const QComboBox*>(&control))
            return list->currentData().toString();
        if (const auto* area = qobject_cast<const QPlainTextEdit*>(&control))
            return area->toPlainText();
        return static_cast<const QLineEdit&>(control).text();
    case ValueKind::CheckBox:
        return checkValue(static_cast<const QCheckBox&>(control));
    case ValueKind::Boolean:
        return static_cast<const QAbstractButton&>(control).isChecked();
    }
    Q_UNREACHABLE();
}

bool setControlValue(QWidget& control, const StoredValue& value) {
    Q_ASSERT(holdsKind(control, kindOf(value)));
    switch (kindOf(value)) {
    case ValueKind::Text:
        if (auto* list = qobject_cast<QComboBox*>(&control))
            chooseByData(*list, std::get<QString>(value));
        else if (auto* area = qobject_cast<QPlainTextEdit*>(&control))
            area->setPlainText(std::get<QString>(value));
        else
            assignText(static_cast<QLineEdit&>(control), std::get<QString>(value));
        return true;
    case ValueKind::CheckBox:
        return setCheckValue(static_cast<QCheckBox&>(control), std::get<int>(value));
    case ValueKind::Boolean:
        setSelected(static_cast<QAbstractButton&>(control), std::get<bool>(value));
        return true;
    }
    Q_UNREACHABLE();
}

bool holdsKind(const QWidget& control, ValueKind kind) {
    return control.metaObject()->inherits(&controlClass(kind)) ||
           (kind == ValueKind::Text &&
            (qobject_cast<const QComboBox*>(&control) || qobject_cast<const QPlainTextEdit*>(&control)));
}

void onValueChanged(QWidget& control, QObject* context, std::function<void()> handler) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        QObject::connect(edit, &QLineEdit::textChanged, context, std::move(handler));
    else if (auto* area = qobject_cast<QPlainTextEdit*>(&control))
        QObject::connect(area, &QPlainTextEdit::textChanged, context, std::move(handler));
    else if (auto* list = qobject_cast<QComboBox*>(&control))
        QObject::connect(list, &QComboBox::currentIndexChanged, context, std::move(handler));
    else if (auto* box = qobject_cast<QCheckBox*>(&control))
        QObject::connect(box, &QCheckBox::stateChanged, context, std::move(handler));
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        QObject::connect(button, &QAbstractButton::toggled, context, std::move(handler));
}

int checkValue(const QCheckBox& box) {
    return valueOf(box.checkState());
}

bool setCheckValue(QCheckBox& box, int value) {
    static constexpr Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < 0 || value > 2)
        return false;
    box.setCheckState(states[value]);
    return true;
}

void setSelected(QAbstractButton& button, bool selected) {
    if (selected) {
        button.setChecked(true);
        return;
    }
    // An exclusive button refuses to be cleared, so lift the exclusivity for this one assignment.
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(exclusive);
}

void keepGrayedFromClicks(QCheckBox& box) {
    // Assigning the grayed state turns tristate on; leaving it must turn it off again,
    // or the next clicks would cycle through grayed.
    QObject::connect(&box, &QCheckBox::stateChanged, &box,
                     [&box](int state) { box.setTristate(state == Qt::PartiallyChecked); });
}

void onCommand(QObject& command, QObject* context, std::function<void()> handler) {
    if (auto* button = qobject_cast<QAbstractButton*>(&command))
        QObject::connect(button, &QAbstractButton::clicked, context, std::move(handler));
    else if (auto* action = qobject_cast<QAction*>(&command))
        QObject::connect(action, &QAction::triggered, context, std::move(handler));
    else
        qFatal("%s is no command", qPrintable(command.objectName()));
}

void onCheckValueChanged(QCheckBox& box, QObject* context, std::function<void(int)> handler) {
    QObject::connect(&box, &QCheckBox::stateChanged, context,
                     [handler = std::move(handler)](int state) { handler(valueOf(state)); });
}

void onSelected(QRadioButton& button, QObject* context, std::function<void()> handler) {
    QObject::connect(&button, &QRadioButton::toggled, context, [handler = std::move(handler)](bool checked) {
        if (checked)
            handler();
    });
}

void limitTyping(QLineEdit& edit, int limit) {
    // Like a plain edit box: above the limit the user may delete but not add. Each new maximum lays the text out
    // again, so the maximum is set only when it changes.
    const auto follow = [&edit, limit](const QString& text) {
        if (const int wanted = qMax(limit, int(text.size())); edit.maxLength() != wanted)
            edit.setMaxLength(wanted);
    };
    follow(edit.text());
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, follow);
}

void chooseByData(QComboBox& list, const QString& text) {
    const int found = list.findData(text, Qt::UserRole, Qt::MatchFixedString); // without regard to letter case
    if (found >= 0) {
        list.setCurrentIndex(found);
        return;
    }
    list.setItemData(0, text);
    list.setCurrentIndex(0);
}

void assignText(QLineEdit& edit, const QString& text) {
    // QLineEdit cuts assigned text to its maximum, so make room first; textChanged then tightens it again.
    if (text.size() > edit.maxLength())
        edit.setMaxLength(int(text.size()));
    edit.setText(text);
}

} // namespace velmora
