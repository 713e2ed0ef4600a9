#include "ui/ControlState.h"

#include <QCheckBox>
#include <QLineEdit>
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

} // namespace

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

void setSelected(QRadioButton& button, bool selected) {
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
    // Like a plain edit box: above the limit the user may delete but not add.
    const auto follow = [&edit, limit](const QString& text) { edit.setMaxLength(qMax(limit, int(text.size()))); };
    follow(edit.text());
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, follow);
}

void assignText(QLineEdit& edit, const QString& text) {
    // QLineEdit cuts assigned text to its maximum, so make room first; textChanged then tightens it again.
    edit.setMaxLength(qMax(edit.maxLength(), int(text.size())));
    edit.setText(text);
}

} // namespace velmora
