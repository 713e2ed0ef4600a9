#pragma once

#include "store/StoredValue.h"

#include <QObject>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QString;
class QWidget;

namespace velmora {

// The value a control holds as a value of the kind: a text box's text, a check box's state, a button's selection,
// a drop-down's chosen item's data as text.
StoredValue controlValue(const QWidget& control, ValueKind kind);

// Assigns the value by code, as its kind says; false, with the control untouched, for a value it cannot hold.
// A change runs the control's handlers, the same value runs nothing.
bool setControlValue(QWidget& control, const StoredValue& value);

// Whether controlValue() and setControlValue() can read and assign the control as a value of the kind.
bool holdsKind(const QWidget& control, ValueKind kind);

// Runs handler whenever the control's value changes, whether the user or code changed it.
void onValueChanged(QWidget& control, QObject* context, std::function<void()> handler);

// Check boxes carry the values stored data knows: 0 clear, 1 set, 2 grayed.
int checkValue(const QCheckBox& box);

// Assigns a stored value; false, with the box untouched, for a value a check box cannot hold.
// A change runs the box's handlers, the same value runs nothing.
bool setCheckValue(QCheckBox& box, int value);

// Selecting runs the button's handler and deselects its partner; deselecting runs nothing
// and may leave the pair with neither button selected.
void setSelected(QAbstractButton& button, bool selected);

// The user's clicks toggle between clear and set only; grayed comes from stored data alone.
void keepGrayedFromClicks(QCheckBox& box);

// Runs handler whenever the command is given: a button clicked, a menu command chosen.
void onCommand(QObject& command, QObject* context, std::function<void()> handler);

// Runs handler with the new value on every change of the box, whether the user or code made it.
void onCheckValueChanged(QCheckBox& box, QObject* context, std::function<void(int)> handler);

// Runs handler whenever the button becomes the selected one of its pair, by click or by code.
void onSelected(QRadioButton& button, QObject* context, std::function<void()> handler);

// Keeps what the user types within limit characters, while text assigned by code keeps its full
// length: a stored item may hold a longer value than the box lets anyone type.
void limitTyping(QLineEdit& edit, int limit);

// Chooses the item whose data is the text, in any letter case. A text no item holds goes to the first item, which
// then stands for it: a stored value the list does not offer is written back as it came, not replaced.
void chooseByData(QComboBox& list, const QString& text);

// Assigns text by code without cutting it to the box's typing limit.
void assignText(QLineEdit& edit, const QString& text);

} // namespace velmora
