#include "ui/main/ItemFields.h"

#include "store/RecordValues.h"

#include "ui/kit/BuiltControls.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/main/ItemControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace velmora {

ItemFields::ItemFields(const BuiltControls& built) {
    takeControls(built);
    wireEvents(built);
}

void ItemFields::takeControls(const BuiltControls& built) {
    for (const ItemControl& row : itemControls()) {
        QWidget& control = built.get<QWidget>(row.name);
        // A control of another kind would save and restore the wrong text.
        if (!holdsKind(control, storedKind(itemValue(row.id).kind)))
            qFatal("The item's control %s does not hold the kind of value it is for", qPrintable(row.name));
        m_itemControls[row.id] = &control;
    }

    for (int set : {1, 2}) {
        OptionSetControls& controls = m_sets[set - 1];
        const auto name = [set](const char* pattern) { return QString::fromLatin1(pattern).arg(set); };
        controls.use = &built.get<QCheckBox>(name("chkOption%1Active"));
        controls.name = &built.get<QLineEdit>(name("txtOptName%1"));
        controls.nameLabel = &built.get<QLabel>(set == 1 ? QStringLiteral("Label11") : QStringLiteral("Label12"));
        controls.dropDown = &built.get<QRadioButton>(name("optSet%1DropDown"));
        controls.textBox = &built.get<QRadioButton>(name("optSet%1TextBox"));
        controls.clear = &built.get<QPushButton>(name("cmdClearOptions%1"));
        for (int i = 0; i < 10; ++i) {
            controls.values[i] = &built.get<QLineEdit>(name("txtOptSet%1(%2)").arg(i));
            controls.numbers[i] = &built.get<QLabel>(QStringLiteral("Label6(%1)").arg(set == 1 ? i : 19 - i));
        }
    }
    m_chkNote = &built.get<QCheckBox>(QStringLiteral("chkNote"));
    m_txtNote = &built.get<QLineEdit>(QStringLiteral("txtNote"));
}

void ItemFields::wireEvents(const BuiltControls& built) {
    onCheckValueChanged(*m_chkNote, this, [this](int value) { chkNote_Click(value); });
    onCheckValueChanged(*m_sets[0].use, this, [this](int value) { chkOption1Active_Click(value); });
    onCheckValueChanged(*m_sets[1].use, this, [this](int value) { chkOption2Active_Click(value); });
    onSelected(*m_sets[0].dropDown, this, [this] { optSet1DropDown_Click(); });
    onSelected(*m_sets[0].textBox, this, [this] { optSet1TextBox_Click(); });
    onSelected(*m_sets[1].dropDown, this, [this] { optSet2DropDown_Click(); });
    onSelected(*m_sets[1].textBox, this, [this] { optSet2TextBox_Click(); });
    onCommand(built.get<QObject>(QStringLiteral("cmdClearAll")), this, [this] { cmdClearAll_Click(); });
    onCommand(built.get<QObject>(QStringLiteral("cmdClearOptions1")), this, [this] { cmdClearOptions1_Click(); });
    onCommand(built.get<QObject>(QStringLiteral("cmdClearOptions2")), this, [this] { cmdClearOptions2_Click(); });

    auto* selectOnFocus = new SelectOnFocus(this);
    auto* normalizeOnFocusLoss = new NormalizeOnFocusLoss(this);
    for (const ItemValue& value : itemValues()) {
        onValueChanged(*m_itemControls[value.id], this, [this] { emit itemChanged(); });
        if (storedKind(value.kind) == ValueKind::Text)
            m_itemControls[value.id]->installEventFilter(selectOnFocus);
        if (value.kind == ItemValueKind::Money)
            m_itemControls[value.id]->installEventFilter(normalizeOnFocusLoss);
    }
    connect(normalizeOnFocusLoss, &NormalizeOnFocusLoss::left, this, [this](QLineEdit* edit, const QString& typed) {
        const auto field = std::find(m_itemControls.begin(), m_itemControls.end(), edit);
        emit moneyFieldLeft(int(field - m_itemControls.begin()), typed);
    });
}

void ItemFields::chkNote_Click(int value) {
    if (value == 0 || value == 1)
        m_txtNote->setEnabled(value == 1);
}

void ItemFields::chkOption1Active_Click(int value) {
    OptionSetControls& set2 = m_sets[1];
    if (value == 1) {
        set2.use->show();
    } else if (value == 0) {
        // Set 2 only exists while set 1 is in use; unchecking it runs its own handler.
        set2.use->hide();
        setCheckValue(*set2.use, 0);
        showOptionSet(set2, 0);
    }
    showOptionSet(m_sets[0], value);
    // A grayed box changes nothing here either.
    if (value == 0 || value == 1)
        emit optionSet1Changed();
}

void ItemFields::chkOption2Active_Click(int value) {
    showOptionSet(m_sets[1], value);
}

void ItemFields::optSet1DropDown_Click() {
    setValuesVisible(m_sets[0], true);
}
void ItemFields::optSet1TextBox_Click() {
    setValuesVisible(m_sets[0], false);
}
void ItemFields::optSet2DropDown_Click() {
    setValuesVisible(m_sets[1], true);
}
void ItemFields::optSet2TextBox_Click() {
    setValuesVisible(m_sets[1], false);
}

void ItemFields::showOptionSet(OptionSetControls& set, int value) {
    if (value == 1) {
        setBodyVisible(set, true);
        // Neither kind selected counts as a list here, like DropDown.
        setValuesVisible(set, !set.textBox->isChecked());
    } else if (value == 0) {
        setBodyVisible(set, false);
        setValuesVisible(set, false);
    }
}

void ItemFields::setBodyVisible(OptionSetControls& set, bool visible) {
    const std::array<QWidget*, 5> body{set.clear, set.name, set.nameLabel, set.dropDown, set.textBox};
    for (QWidget* widget : body)
        widget->setVisible(visible);
}

void ItemFields::setValuesVisible(OptionSetControls& set, bool visible) {
    for (QLineEdit* value : set.values)
        value->setVisible(visible);
    for (QLabel* number : set.numbers)
        number->setVisible(visible);
}

void ItemFields::clearOptionSet(OptionSetControls& set) {
    set.name->clear();
    for (QLineEdit* value : set.values)
        value->clear();
}

void ItemFields::cmdClearOptions1_Click() {
    clearOptionSet(m_sets[0]);
}
void ItemFields::cmdClearOptions2_Click() {
    clearOptionSet(m_sets[1]);
}

void ItemFields::cmdClearAll_Click() {
    for (int id = ItemValueId::ItemName; id <= ItemValueId::Shipping2; ++id)
        setControlValue(*m_itemControls[id], QString());
    for (OptionSetControls& set : m_sets)
        clearOptionSet(set);
    for (const ItemValue& value : itemValues()) {
        if (!value.isClassic())
            setControlValue(*m_itemControls[value.id],
                            itemFieldValue(storedKind(value.kind), QString(value.defaultText)));
    }
}

} // namespace velmora
