// Which event runs which behaviour: the handlers of the window's controls, and the focus reactions of its fields.
#include "ui/main/Form1.h"

#include "ui/kit/BuiltControls.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"
#include "ui/main/ItemControls.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

using namespace velmora;

void Form1::takeControls(const BuiltControls& built) {
    for (const ItemControl& row : itemControls()) {
        QWidget& control = built.get<QWidget>(row.name);
        // A control of another kind would save and restore the wrong text.
        if (!holdsKind(control, storedKind(itemValue(row.id).kind)))
            qFatal("The item's control %s does not hold the kind of value it is for", row.name.data());
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
    m_cmdMakeLink = &built.get<QPushButton>(QStringLiteral("cmdMakeLink"));
    m_mnuMakeLink = &built.get<QAction>(QStringLiteral("mnuMakeLink"));
    m_txtCode = &built.get<QPlainTextEdit>(QStringLiteral("txtCode"));
    m_lblCopiedtoClipboard = &built.get<QLabel>(QStringLiteral("lblCopiedtoClipboard"));
    m_statusLine = &built.get<StatusLine>(QStringLiteral("lblStatusLine"));
    m_mnuOpenRecent = &built.get<QMenu>(QStringLiteral("mnuOpenRecent"));
}

void Form1::wireEvents(const BuiltControls& built) {
    onCheckValueChanged(*m_chkNote, this, [this](int value) { chkNote_Click(value); });
    onCheckValueChanged(*m_sets[0].use, this, [this](int value) { chkOption1Active_Click(value); });
    onCheckValueChanged(*m_sets[1].use, this, [this](int value) { chkOption2Active_Click(value); });
    onSelected(*m_sets[0].dropDown, this, [this] { optSet1DropDown_Click(); });
    onSelected(*m_sets[0].textBox, this, [this] { optSet1TextBox_Click(); });
    onSelected(*m_sets[1].dropDown, this, [this] { optSet2DropDown_Click(); });
    onSelected(*m_sets[1].textBox, this, [this] { optSet2TextBox_Click(); });

    // The commands: buttons run on a click, menu items when chosen.
    const std::pair<const char*, void (Form1::*)()> commands[] = {
        {"cmdMakeForm", &Form1::cmdMakeForm_Click},
        {"cmdMakeLink", &Form1::cmdMakeLink_Click},
        {"cmdClearAll", &Form1::cmdClearAll_Click},
        {"cmdClearOptions1", &Form1::cmdClearOptions1_Click},
        {"cmdClearOptions2", &Form1::cmdClearOptions2_Click},
        {"mnuNew", &Form1::mnuNew_Click},
        {"mnuSave", &Form1::mnuSave_Click},
        {"mnuOpen", &Form1::mnuOpen_Click},
        {"mnuQuit", &Form1::mnuQuit_Click},
        {"mnuMakeForm", &Form1::cmdMakeForm_Click},
        {"mnuMakeLink", &Form1::cmdMakeLink_Click},
        {"mnuViewCartForm", &Form1::mnuViewCartForm_Click},
        {"mnuViewCartLink", &Form1::mnuViewCartLink_Click},
        {"mnuPreview", &Form1::mnuPreview_Click},
        {"mnuOptions", &Form1::mnuOptions_Click},
        {"mnuAbout", &Form1::mnuAbout_Click},
        {"mnuHelpOnline", &Form1::mnuHelpOnline_Click},
    };
    for (const auto& [name, handler] : commands) {
        const QString command = QString::fromLatin1(name);
        if (auto* button = qobject_cast<QPushButton*>(&built.get<QObject>(command)))
            connect(button, &QPushButton::clicked, this, handler);
        else
            connect(&built.get<QAction>(command), &QAction::triggered, this, handler);
    }
    connect(m_Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&built.get<QMenu>(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this, &Form1::fillRecentMenu);

    auto* selectOnFocus = new SelectOnFocus(this);
    for (const ItemValue& value : itemValues()) {
        if (storedKind(value.kind) == ValueKind::Text)
            m_itemControls[value.id]->installEventFilter(selectOnFocus);
    }
    auto* normalizeOnFocusLoss = new NormalizeOnFocusLoss(this);
    for (int field : MoneyFields) {
        m_itemControls[field]->installEventFilter(normalizeOnFocusLoss);
        // What the status line says of the field's text holds until the text changes, by the user or by code.
        onValueChanged(*m_itemControls[field], this, [this, field] { m_statusLine->drop(field); });
    }
    connect(normalizeOnFocusLoss, &NormalizeOnFocusLoss::left, this, [this](QLineEdit* edit, const QString& typed) {
        const auto field = std::find(m_itemControls.begin(), m_itemControls.end(), edit);
        tellOfMoneyField(int(field - m_itemControls.begin()), typed);
    });
}
