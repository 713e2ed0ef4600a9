#pragma once

#include "model/ItemValues.h"

#include <QObject>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velmora {

class BuiltControls;

// The main window's fields: the controls of the item, and how they drive each other (the option sets, the note
// title, the clear commands, the selection on focus and the money rewritten on leaving). Every handler also runs
// when code assigns its control, so restoring or opening an item relies on them.
class ItemFields : public QObject {
    Q_OBJECT
public:
    explicit ItemFields(const BuiltControls& built);

    // The control that holds the item value, by the value's id.
    QWidget& control(int id) const { return *m_itemControls[id]; }
    // Empties the texts of the item; flags, kinds and the note title are left as they are.
    void cmdClearAll_Click();

signals:
    // Option set 1 came into or out of use, which changes what can be made for the item.
    void optionSet1Changed();
    // One of the item's values changed, by the user or by code.
    void itemChanged();
    // The user left a money field, which now holds its rewritten text; typed is what the user left in it.
    void moneyFieldLeft(int id, const QString& typed);

private:
    // One option set's controls, grouped the way its behaviour shows and hides them.
    struct OptionSetControls {
        QCheckBox* use = nullptr;
        QLineEdit* name = nullptr;
        QLabel* nameLabel = nullptr;
        QRadioButton* dropDown = nullptr;
        QRadioButton* textBox = nullptr;
        QPushButton* clear = nullptr;
        std::array<QLineEdit*, 10> values{};
        std::array<QLabel*, 10> numbers{};
    };

    void takeControls(const BuiltControls& built);
    void wireEvents(const BuiltControls& built);

    void chkNote_Click(int value);
    void chkOption1Active_Click(int value);
    void chkOption2Active_Click(int value);
    void optSet1DropDown_Click();
    void optSet1TextBox_Click();
    void optSet2DropDown_Click();
    void optSet2TextBox_Click();
    void cmdClearOptions1_Click();
    void cmdClearOptions2_Click();
    static void showOptionSet(OptionSetControls& set, int value);
    static void setBodyVisible(OptionSetControls& set, bool visible);
    static void setValuesVisible(OptionSetControls& set, bool visible);
    static void clearOptionSet(OptionSetControls& set);

    // The controls of the item, by item value, as itemControls() names them; the others by their own names.
    std::array<QWidget*, ItemValueId::Count> m_itemControls{};
    std::array<OptionSetControls, 2> m_sets;
    QCheckBox* m_chkNote = nullptr;
    QLineEdit* m_txtNote = nullptr;
};

} // namespace velmora
