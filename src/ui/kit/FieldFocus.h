#pragma once

#include <QLocale>
#include <QObject>

class QLineEdit;

namespace velmora {

// The locale the money fields are typed and shown in: the user's. The generators read the same texts in it.
inline QLocale moneyLocale() {
    return QLocale();
}

// Selects a line edit's whole text, caret at the end, whenever the user moves into it,
// by keyboard or by mouse, so that typing replaces the old value.
class SelectOnFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Rewrites a money field to two decimals whenever the user leaves it for another control.
class NormalizeOnFocusLoss : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // After the rewrite; typed is the text the user left in the field.
    void left(QLineEdit* field, const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace velmora
