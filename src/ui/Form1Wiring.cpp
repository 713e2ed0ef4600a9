// Which event runs which behaviour: the handlers of the window's controls, and the focus reactions of its fields.
#include "ui/Form1.h"

#include "ui/ControlState.h"
#include "ui/FieldFocus.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace velmora;

void Form1::findControls() {
    for (int set : {1, 2}) {
        OptionSetControls& controls = m_sets[set - 1];
        const auto name = [set](const char* pattern) { return QString::fromLatin1(pattern).arg(set); };
        controls.use = control<QCheckBox>(name("chkOption%1Active"));
        controls.name = control<QLineEdit>(name("txtOptName%1"));
        controls.nameLabel = control<QLabel>(set == 1 ? QStringLiteral("Label11") : QStringLiteral("Label12"));
        controls.dropDown = control<QRadioButton>(name("optSet%1DropDown"));
        controls.textBox = control<QRadioButton>(name("optSet%1TextBox"));
        controls.clear = control<QPushButton>(name("cmdClearOptions%1"));
        for (int i = 0; i < 10; ++i) {
            controls.values[i] = control<QLineEdit>(name("txtOptSet%1(%2)").arg(i));
            controls.numbers[i] = control<QLabel>(QStringLiteral("Label6(%1)").arg(set == 1 ? i : 19 - i));
        }
    }
    m_chkNote = control<QCheckBox>(QStringLiteral("chkNote"));
    m_txtNote = control<QLineEdit>(QStringLiteral("txtNote"));
    m_cmdMakeLink = control<QPushButton>(QStringLiteral("cmdMakeLink"));
    m_txtCode = control<QPlainTextEdit>(QStringLiteral("txtCode"));
    m_lblCopiedtoClipboard = control<QLabel>(QStringLiteral("lblCopiedtoClipboard"));
}

void Form1::wireEvents() {
    onCheckValueChanged(*m_chkNote, this, [this](int value) { chkNote_Click(value); });
    onCheckValueChanged(*m_sets[0].use, this, [this](int value) { chkOption1Active_Click(value); });
    onCheckValueChanged(*m_sets[1].use, this, [this](int value) { chkOption2Active_Click(value); });
    onSelected(*m_sets[0].dropDown, this, [this] { optSet1DropDown_Click(); });
    onSelected(*m_sets[0].textBox, this, [this] { optSet1TextBox_Click(); });
    onSelected(*m_sets[1].dropDown, this, [this] { optSet2DropDown_Click(); });
    onSelected(*m_sets[1].textBox, this, [this] { optSet2TextBox_Click(); });

    connect(m_sets[0].clear, &QPushButton::clicked, this, &Form1::cmdClearOptions1_Click);
    connect(m_sets[1].clear, &QPushButton::clicked, this, &Form1::cmdClearOptions2_Click);
    connect(control<QPushButton>(QStringLiteral("cmdClearAll")), &QPushButton::clicked, this,
            &Form1::cmdClearAll_Click);
    connect(control<QPushButton>(QStringLiteral("cmdMakeForm")), &QPushButton::clicked, this,
            &Form1::cmdMakeForm_Click);
    connect(m_cmdMakeLink, &QPushButton::clicked, this, &Form1::cmdMakeLink_Click);
    connect(control<QAction>(QStringLiteral("mnuSave")), &QAction::triggered, this, &Form1::mnuSave_Click);
    connect(control<QAction>(QStringLiteral("mnuOpen")), &QAction::triggered, this, &Form1::mnuOpen_Click);
    connect(control<QAction>(QStringLiteral("mnuOptions")), &QAction::triggered, this, &Form1::mnuOptions_Click);
    connect(control<QAction>(QStringLiteral("mnuAbout")), &QAction::triggered, this, &Form1::mnuAbout_Click);
    connect(control<QAction>(QStringLiteral("mnuHelpOnline")), &QAction::triggered, this, &Form1::mnuHelpOnline_Click);
    connect(m_Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    auto* selectOnFocus = new SelectOnFocus(this);
    for (const char* name : {"txtItemName", "txtItemID", "txtPrice", "txtShipping1", "txtShippingAdd", "txtNote"})
        control<QLineEdit>(QString::fromLatin1(name))->installEventFilter(selectOnFocus);
    for (const OptionSetControls& set : m_sets) {
        set.name->installEventFilter(selectOnFocus);
        for (QLineEdit* value : set.values)
            value->installEventFilter(selectOnFocus);
    }

    auto* normalizeOnFocusLoss = new NormalizeOnFocusLoss(this);
    for (const char* name : {"txtPrice", "txtShipping1", "txtShippingAdd"})
        control<QLineEdit>(QString::fromLatin1(name))->installEventFilter(normalizeOnFocusLoss);
}
