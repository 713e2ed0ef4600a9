#include "ui/kit/FieldFocus.h"

#include "model/MoneyText.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace velmora {

namespace {

// Coming back from another window or from a menu is not a move between fields.
bool movesBetweenFields(const QEvent* event, QEvent::Type type) {
    if (event->type() != type)
        return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && movesBetweenFields(event, QEvent::FocusIn)) {
        // A click places the caret after the focus arrives, so select once that is done.
        QTimer::singleShot(0, edit, [edit] {
            if (edit->hasFocus())
                edit->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}

bool NormalizeOnFocusLoss::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && movesBetweenFields(event, QEvent::FocusOut)) {
        const QString typed = edit->text();
        const QString normalized = NormalizeMoneyText(typed, moneyLocale());
        if (normalized != typed) // keeps the undo history of an already tidy field
            edit->setText(normalized);
        emit left(edit, typed);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmora
