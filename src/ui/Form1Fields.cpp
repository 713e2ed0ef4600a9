// How the fields drive each other: option sets, note title, the link command and the clear commands.
// Every handler also runs when code assigns the control, so restoring or opening an item relies on them.
#include "ui/Form1.h"

#include "ui/ControlValues.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void Form1::chkNote_Click(int value) {
    if (value == 0 || value == 1)
        m_txtNote->setEnabled(value == 1);
}

void Form1::chkOption1Active_Click(int value) {
    OptionSetControls& set2 = m_sets[1];
    if (value == 1) {
        setLinkEnabled(false); // a link cannot carry option sets
        set2.use->show();
    } else if (value == 0) {
        setLinkEnabled(true);
        // Set 2 only exists while set 1 is in use; unchecking it runs its own handler.
        set2.use->hide();
        velmora::setCheckValue(*set2.use, 0);
        showOptionSet(set2, 0);
    }
    showOptionSet(m_sets[0], value);
}

void Form1::setLinkEnabled(bool enabled) {
    m_cmdMakeLink->setEnabled(enabled);
    m_mnuMakeLink->setEnabled(enabled);
}

void Form1::chkOption2Active_Click(int value) {
    showOptionSet(m_sets[1], value);
}

void Form1::optSet1DropDown_Click() {
    setValuesVisible(m_sets[0], true);
}
void Form1::optSet1TextBox_Click() {
    setValuesVisible(m_sets[0], false);
}
void Form1::optSet2DropDown_Click() {
    setValuesVisible(m_sets[1], true);
}
void Form1::optSet2TextBox_Click() {
    setValuesVisible(m_sets[1], false);
}

void Form1::showOptionSet(OptionSetControls& set, int value) {
    if (value == 1) {
        setBodyVisible(set, true);
        // Neither kind selected counts as a list here, like DropDown.
        setValuesVisible(set, !set.textBox->isChecked());
    } else if (value == 0) {
        setBodyVisible(set, false);
        setValuesVisible(set, false);
    }
}

void Form1::setBodyVisible(OptionSetControls& set, bool visible) {
    const std::array<QWidget*, 5> body{set.clear, set.name, set.nameLabel, set.dropDown, set.textBox};
    for (QWidget* widget : body)
        widget->setVisible(visible);
}

void Form1::setValuesVisible(OptionSetControls& set, bool visible) {
    for (QLineEdit* value : set.values)
        value->setVisible(visible);
    for (QLabel* number : set.numbers)
        number->setVisible(visible);
}

void Form1::clearOptionSet(OptionSetControls& set) {
    set.name->clear();
    for (QLineEdit* value : set.values)
        value->clear();
}

void Form1::cmdClearOptions1_Click() {
    clearOptionSet(m_sets[0]);
}
void Form1::cmdClearOptions2_Click() {
    clearOptionSet(m_sets[1]);
}

// Empties the texts of the item; flags, kinds and the note title are left as they are.
void Form1::cmdClearAll_Click() {
    for (int id = velmora::ItemValueId::ItemName; id <= velmora::ItemValueId::Shipping2; ++id)
        velmora::setControlValue(*m_itemControls[id], QString());
    for (OptionSetControls& set : m_sets)
        clearOptionSet(set);
}
