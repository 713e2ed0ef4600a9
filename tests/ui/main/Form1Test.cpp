#include "ui/main/Form1.h"

#include "generate/ButtonForm.h"
#include "model/MoneyText.h"
#include "support/DialogAnswers.h"
#include "support/TypedMoney.h"
#include "support/WindowDriver.h"
#include "ui/kit/ControlValues.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

using velmora::OptionSetKind;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initialState_data();
    void initialState();
    void menus_data();
    void menus();
    void tabOrder_data();
    void tabOrder();

    void optionSets_data();
    void optionSets();
    void noteTitle_data();
    void noteTitle();
    void clearCommands_data();
    void clearCommands();

    void typingLimits_data();
    void typingLimits();
    void selectsWholeTextOnFocus_data();
    void selectsWholeTextOnFocus();
    void normalizesMoneyOnFocusLoss_data();
    void normalizesMoneyOnFocusLoss();
    void readsMoneyInTheUsersLocale_data();
    void readsMoneyInTheUsersLocale();

    void currentItemReadsTheControls_data();
    void currentItemReadsTheControls();
    void noticeBlinksFiveTimesInElevenTicks();
    void secondGenerationDoesNotLengthenTheNotice();
    void noticeRunsOnItsOwnTimer();
    void clipboardFailureIsReportedWithoutNotice();

private:
    QString windowState() const;
    void tick() const;
    void fillEveryTextField() const;

    std::unique_ptr<Form1> m_window;
    std::optional<WindowDriver> m_ui;
};

namespace {

QStringList valueBoxes(int set) {
    QStringList names;
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("txtOptSet%1(%2)").arg(set).arg(i);
    return names;
}

// Label6 numbers set 1's boxes with members 0..9 and set 2's with 19 down to 10.
QStringList numberLabels(int set) {
    QStringList names;
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("Label6(%1)").arg(set == 1 ? i : 19 - i);
    return names;
}

QStringList textFields() {
    return QStringList{"txtItemName",    "txtItemID",   "txtPrice",    "txtShipping1",
                       "txtShippingAdd", "txtOptName1", "txtOptName2", "txtNote"} +
           valueBoxes(1) + valueBoxes(2);
}

QString textOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    if (auto* code = qobject_cast<QPlainTextEdit*>(widget))
        return code->toPlainText();
    return {};
}

// -1 for controls without a state, else the check-box value or 1/0 for a selected option button.
int stateOf(QWidget* widget) {
    if (auto* box = qobject_cast<QCheckBox*>(widget))
        return velmora::checkValue(*box);
    if (auto* button = qobject_cast<QRadioButton*>(widget))
        return button->isChecked() ? 1 : 0;
    return -1;
}

} // namespace

void Form1Test::init() {
    m_window = std::make_unique<Form1>();
    m_ui.emplace(*m_window);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void Form1Test::cleanup() {
    m_ui.reset();
    m_window.reset();
}

QString Form1Test::windowState() const {
    return QStringLiteral("1: %1 | 2: %2 | link %3")
        .arg(m_ui->optionSetState(1), m_ui->optionSetState(2),
             m_ui->find("cmdMakeLink")->isEnabled() ? "enabled" : "disabled");
}

void Form1Test::initialState_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");

    const QString itemName = "Required.  The name of the item you are selling";
    const QString itemID = "Optional.  Your item's identification code. may consist of letters and/or numbers.";
    const QString price = "Required.  The price of your item.";
    const QString shipping1 = "Optional. Override Paypal's shipping calculator, 1st item.";
    const QString shippingAdd = "Optional. Override Paypal's shipping calculator.  Additional items (ea.).";
    const QString noteTitle = "The title of the note your buyer will be prompted for.";
    const auto row = [](const QString& name, bool visible, bool enabled, int state, const QString& text,
                        const QString& tip) {
        QTest::addRow("%s", qPrintable(name)) << name << visible << enabled << state << text << tip;
    };

    row("txtItemName", true, true, -1, "", itemName);
    row("txtItemID", true, true, -1, "", itemID);
    row("txtPrice", true, true, -1, "", price);
    row("txtShipping1", true, true, -1, "", shipping1);
    row("txtShippingAdd", true, true, -1, "", shippingAdd);
    row("chkShippingAddress", true, true, 1, "Buyer provide shipping address at checkout?",
        "Check this box if you want your buyer to provide a shipping address. Uncheck if you do not want the "
        "buyer to specify a shipping address.");
    row("chkNote", true, true, 0, "Buyer include note at checkout?",
        "Check this box if you want your buyer to include a note.  Uncheck if you do not want your buyer to "
        "include a note.");
    row("txtNote", true, false, -1, "Special Instructions (optional)", noteTitle);
    row("cmdMakeLink", true, true, -1, "Make a Link", "Click here to make only a link.");
    row("cmdMakeForm", true, true, -1, "Make a Button / Form", "Click here to make a complete button/form.");
    row("txtCode", true, true, -1, "", "HTML code is output here.");
    row("Label1", true, true, -1, "Item Name:", itemName);
    row("Label2", true, true, -1, "Item ID Name/Number:", itemID);
    row("Label3", true, true, -1, "Price:", price);
    row("Label4", true, true, -1, "Shipping (1st):", shipping1);
    row("Label5", true, true, -1, "Shipping (add. items):", shippingAdd);
    row("Frame1", true, true, -1, "Option Set 1", "Optional.  Option sets can be drop-down lists or text boxes.  ");
    row("Frame2", true, true, -1, "Option Set 2", "");
    row("Label7", true, true, -1, "Note Title: ", noteTitle);
    row("lblCopiedtoClipboard", false, true, -1, "Copied to Clipboard!", "");
    row("cmdClearAll", true, true, -1, "clear all", "");
    row("cmdClearOptions1", false, true, -1, "clear", "");
    row("cmdClearOptions2", false, true, -1, "clear", "");
    for (int set : {1, 2}) {
        const QString n = QString::number(set);
        row("chkOption" + n + "Active", set == 1, true, 0, "Use this option set.",
            "Check here to use this option set.");
        row("txtOptName" + n, false, true, -1, "", "Your option's name");
        row(set == 1 ? "Label11" : "Label12", false, true, -1, "Name:", "Your option's name");
        row("optSet" + n + "DropDown", false, true, 1, "Drop Down Menu", "Select this option for a drop-down menu");
        row("optSet" + n + "TextBox", false, true, 0, "Text Box", "Select this option for a text box option");
        for (int i = 0; i < 10; ++i) {
            row(valueBoxes(set)[i], false, true, -1, "", QStringLiteral("Option %1").arg(i + 1));
            row(numberLabels(set)[i], false, true, -1, QString::number(i + 1), "");
        }
    }
}

void Form1Test::initialState() {
    QFETCH(QString, name);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(QString, tip);

    QWidget* widget = m_ui->find(name);
    QCOMPARE(widget->isVisibleTo(m_window.get()), visible);
    QCOMPARE(widget->isEnabled(), enabled);
    QCOMPARE(stateOf(widget), state);
    QCOMPARE(textOf(widget), text);
    QCOMPARE(widget->toolTip(), tip);
}

void Form1Test::menus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("container"); // the menu it lies in, or "bar"

    QTest::newRow("File") << "mnuFile"
                          << "&File"
                          << "bar";
    QTest::newRow("New") << "mnuNew"
                         << "&New (clear all)"
                         << "mnuFile";
    QTest::newRow("Save") << "mnuSave"
                          << "&Save this  Item as..."
                          << "mnuFile";
    QTest::newRow("Open") << "mnuOpen"
                          << "&Open an Item"
                          << "mnuFile";
    QTest::newRow("Make") << "mnuMake"
                          << "&Make"
                          << "bar";
    QTest::newRow("Options") << "mnuOptions"
                             << "&Options"
                             << "bar";
    QTest::newRow("About") << "mnuAbout"
                           << "&About"
                           << "bar";
    QTest::newRow("Help") << "mnuHelp"
                          << "&Help"
                          << "bar";
    QTest::newRow("Help Online") << "mnuHelpOnline"
                                 << "Help Online"
                                 << "mnuHelp";
}

void Form1Test::menus() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, container);

    QAction* action = nullptr;
    if (auto* menu = m_window->findChild<QMenu*>(name))
        action = menu->menuAction();
    else
        action = m_window->findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QVERIFY(action->isEnabled() && action->isVisible());
    QWidget* holder = container == u"bar" ? static_cast<QWidget*>(m_window->menuBar()) : m_ui->find<QMenu>(container);
    QVERIFY(holder->actions().contains(action));
    // Options and About are commands on the bar; only File, Make and Help open menus.
    QCOMPARE(action->menu() != nullptr, name == u"mnuFile" || name == u"mnuMake" || name == u"mnuHelp");
}

void Form1Test::tabOrder_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("order");

    const QStringList items{"txtItemName", "txtItemID", "txtPrice", "txtShipping1", "txtShippingAdd"};
    QTest::newRow("at start") << QStringList{}
                              << items + QStringList{"chkOption1Active", "chkShippingAddress", "chkNote",
                                                     "cmdMakeLink",      "cmdMakeForm",        "txtCode",
                                                     "cmdClearAll"};
    QTest::newRow("both sets as lists, note on")
        << QStringList{"click chkOption1Active", "click chkOption2Active", "click chkNote"}
        << items + QStringList{"chkOption1Active", "txtOptName1", "optSet1DropDown"} + valueBoxes(1) +
               QStringList{"chkOption2Active", "txtOptName2", "optSet2DropDown"} + valueBoxes(2) +
               QStringList{"chkShippingAddress", "chkNote",          "txtNote",         "cmdMakeForm", "txtCode",
                           "cmdClearAll",        "cmdClearOptions1", "cmdClearOptions2"};
}

void Form1Test::tabOrder() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, order);

    m_ui->run(steps);
    m_ui->find("txtItemName")->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
    // and on into the panel beside the layout
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboButtonType"));
}

void Form1Test::optionSets_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString set2Unavailable = "2: use hidden 0, DropDown";
    const QString set2Inactive = "2: use shown 0, DropDown";
    const auto add = [](const char* name, const QStringList& steps, const QString& expected) {
        QTest::newRow(name) << steps << expected;
    };

    add("at start", {}, "1: use shown 0, DropDown | " + set2Unavailable + " | link enabled");
    add("check set 1", {"click chkOption1Active"},
        "1: use shown 1, body, values, DropDown | " + set2Inactive + " | link disabled");
    add("check set 1 while its kind is Text Box",
        {"click chkOption1Active", "click optSet1TextBox", "click chkOption1Active", "click chkOption1Active"},
        "1: use shown 1, body, TextBox | " + set2Inactive + " | link disabled");
    add("set 1 to Text Box", {"click chkOption1Active", "click optSet1TextBox"},
        "1: use shown 1, body, TextBox | " + set2Inactive + " | link disabled");
    add("set 1 back to Drop Down", {"click chkOption1Active", "click optSet1TextBox", "click optSet1DropDown"},
        "1: use shown 1, body, values, DropDown | " + set2Inactive + " | link disabled");
    add("check set 2", {"click chkOption1Active", "click chkOption2Active"},
        "1: use shown 1, body, values, DropDown | 2: use shown 1, body, values, DropDown | link disabled");
    add("set 2 to Text Box", {"click chkOption1Active", "click chkOption2Active", "click optSet2TextBox"},
        "1: use shown 1, body, values, DropDown | 2: use shown 1, body, TextBox | link disabled");
    add("uncheck set 2", {"click chkOption1Active", "click chkOption2Active", "click chkOption2Active"},
        "1: use shown 1, body, values, DropDown | " + set2Inactive + " | link disabled");
    add("uncheck set 1 while set 2 is active",
        {"click chkOption1Active", "click chkOption2Active", "click optSet2TextBox", "click chkOption1Active"},
        "1: use shown 0, DropDown | 2: use hidden 0, TextBox | link enabled");
    add("check set 1 again after that",
        {"click chkOption1Active", "click chkOption2Active", "click chkOption1Active", "click chkOption1Active"},
        "1: use shown 1, body, values, DropDown | " + set2Inactive + " | link disabled");
    add("both sets by code", {"set chkOption1Active=1", "set chkOption2Active=1"},
        "1: use shown 1, body, values, DropDown | 2: use shown 1, body, values, DropDown | link disabled");
    add("uncheck set 1 by code while set 2 is active",
        {"set chkOption1Active=1", "set chkOption2Active=1", "set chkOption1Active=0"},
        "1: use shown 0, DropDown | " + set2Unavailable + " | link enabled");
    add("kind selected by code", {"set chkOption1Active=1", "select optSet1TextBox"},
        "1: use shown 1, body, TextBox | " + set2Inactive + " | link disabled");
    add("deselecting by code runs nothing", {"set chkOption1Active=1", "deselect optSet1DropDown"},
        "1: use shown 1, body, values, no kind | " + set2Inactive + " | link disabled");
    add("a set with no kind shows its values", {"deselect optSet1DropDown", "set chkOption1Active=1"},
        "1: use shown 1, body, values, no kind | " + set2Inactive + " | link disabled");
    add("a kind selected by code acts on an inactive set too", {"select optSet1TextBox", "select optSet1DropDown"},
        "1: use shown 0, values, DropDown | " + set2Unavailable + " | link enabled");
    add("grayed set 1 changes nothing", {"set chkOption1Active=2"},
        "1: use shown 2, DropDown | " + set2Unavailable + " | link enabled");
    add("grayed after active changes nothing", {"set chkOption1Active=1", "set chkOption1Active=2"},
        "1: use shown 2, body, values, DropDown | " + set2Inactive + " | link disabled");
    add("grayed set 2 changes nothing", {"set chkOption1Active=1", "set chkOption2Active=2"},
        "1: use shown 1, body, values, DropDown | 2: use shown 2, DropDown | link disabled");
    add("a click on grayed sets the box", {"set chkOption1Active=2", "click chkOption1Active"},
        "1: use shown 1, body, values, DropDown | " + set2Inactive + " | link disabled");
    add("clicks never reach grayed",
        {"set chkOption1Active=2", "click chkOption1Active", "click chkOption1Active", "click chkOption1Active"},
        "1: use shown 1, body, values, DropDown | " + set2Inactive + " | link disabled");
}

void Form1Test::optionSets() {
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    m_ui->run(steps);
    QCOMPARE(windowState(), expected);
    QVERIFY(m_ui->shown("Frame1") && m_ui->shown("Frame2"));
}

void Form1Test::noteTitle_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("checked by click") << QStringList{"click chkNote"} << true;
    QTest::newRow("unchecked by click") << QStringList{"click chkNote", "click chkNote"} << false;
    QTest::newRow("checked by code") << QStringList{"set chkNote=1"} << true;
    QTest::newRow("grayed from unchecked") << QStringList{"set chkNote=2"} << false;
    QTest::newRow("grayed from checked") << QStringList{"set chkNote=1", "set chkNote=2"} << true;
}

void Form1Test::noteTitle() {
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);

    m_ui->run(steps);
    QCOMPARE(m_ui->find("txtNote")->isEnabled(), enabled);
    QCOMPARE(m_ui->find<QLineEdit>("txtNote")->text(), QStringLiteral("Special Instructions (optional)"));
}

void Form1Test::fillEveryTextField() const {
    m_ui->find<QCheckBox>("chkNote")->setChecked(true); // the note title takes text only while enabled
    for (const QString& name : textFields()) {
        auto* edit = m_ui->find<QLineEdit>(name);
        edit->setText(name);
    }
}

void Form1Test::clearCommands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("emptied");

    const QStringList items{"txtItemName", "txtItemID", "txtPrice", "txtShipping1", "txtShippingAdd"};
    const QStringList set1 = QStringList{"txtOptName1"} + valueBoxes(1);
    const QStringList set2 = QStringList{"txtOptName2"} + valueBoxes(2);
    QTest::newRow("clear of set 1") << "cmdClearOptions1" << set1;
    QTest::newRow("clear of set 2") << "cmdClearOptions2" << set2;
    QTest::newRow("clear all") << "cmdClearAll" << items + set1 + set2;
    QTest::newRow("New (clear all)") << "mnuNew" << items + set1 + set2;
}

void Form1Test::clearCommands() {
    QFETCH(QString, command);
    QFETCH(QStringList, emptied);

    m_ui->run({"click chkOption1Active", "click chkOption2Active", "click optSet2TextBox"});
    fillEveryTextField();
    m_ui->find<QPlainTextEdit>("txtCode")->setPlainText("earlier output");
    const QString before = windowState();

    if (command == u"mnuNew")
        m_window->findChild<QAction*>(command)->trigger();
    else
        m_ui->click(command);

    for (const QString& name : textFields())
        QCOMPARE(m_ui->find<QLineEdit>(name)->text(), emptied.contains(name) ? QString() : name);
    QCOMPARE(windowState(), before);
    QCOMPARE(stateOf(m_ui->find("chkNote")), 1);
    QCOMPARE(stateOf(m_ui->find("chkShippingAddress")), 1);
    QCOMPARE(m_ui->find<QPlainTextEdit>("txtCode")->toPlainText(), QStringLiteral("earlier output"));
}

void Form1Test::typingLimits_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");

    QTest::newRow("note title") << "txtNote" << 30;
    QTest::newRow("option name") << "txtOptName1" << 60;
    QTest::newRow("option value") << "txtOptSet1(4)" << 30;
    QTest::newRow("set 2 option name") << "txtOptName2" << 60;
    QTest::newRow("set 2 option value") << "txtOptSet2(9)" << 30;
}

void Form1Test::typingLimits() {
    QFETCH(QString, name);
    QFETCH(int, limit);

    m_ui->run({"click chkOption1Active", "click chkOption2Active", "click chkNote"});
    auto* field = m_ui->find<QLineEdit>(name);
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_COMPARE(field->selectedText(), field->text()); // typing replaces what was there
    QTest::keyClicks(field, QString(limit + 5, u'x'));
    QCOMPARE(field->text(), QString(limit, u'x'));

    // A longer stored value arrives whole; the user may shorten it but not lengthen it.
    const QString stored(limit + 10, u'y');
    velmora::assignText(*field, stored);
    QCOMPARE(field->text(), stored);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, "z");
    QCOMPARE(field->text(), stored);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "z");
    QCOMPARE(field->text(), QString(limit + 8, u'y'));
    velmora::assignText(*field, "short");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, QString(limit, u'x'));
    QCOMPARE(field->text().size(), limit);
}

void Form1Test::selectsWholeTextOnFocus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byTab");

    for (const char* name :
         {"txtItemName", "txtShippingAdd", "txtNote", "txtOptName1", "txtOptSet1(7)", "txtOptName2", "txtOptSet2(0)"}) {
        QTest::addRow("%s by Tab", name) << QString(name) << true;
        QTest::addRow("%s by click", name) << QString(name) << false;
    }
}

void Form1Test::selectsWholeTextOnFocus() {
    QFETCH(QString, name);
    QFETCH(bool, byTab);

    m_ui->run({"click chkOption1Active", "click chkOption2Active", "click chkNote"});
    auto* field = m_ui->find<QLineEdit>(name);
    field->setText("12.50 each");
    field->setCursorPosition(3);

    if (byTab) {
        // Start from the control just before the field and let Tab bring the focus in.
        QWidget* before = field->previousInFocusChain();
        while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible() || !before->isEnabled())
            before = before->previousInFocusChain();
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
    } else {
        m_ui->find("txtCode")->setFocus(Qt::OtherFocusReason);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    }

    QTRY_VERIFY(field->hasFocus());
    QTRY_COMPARE(field->selectedText(), QStringLiteral("12.50 each"));
    QCOMPARE(field->cursorPosition(), field->text().size());
}

void Form1Test::normalizesMoneyOnFocusLoss_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("normalized");

    for (const char* name : {"txtPrice", "txtShipping1", "txtShippingAdd"}) {
        QTest::addRow("%s, whole number", name) << QString(name) << "7" << true;
        QTest::addRow("%s, not a number", name) << QString(name) << "abc" << true;
        QTest::addRow("%s, empty", name) << QString(name) << "" << true;
    }
    QTest::newRow("item ID is left alone") << "txtItemID"
                                           << "7" << false;
    QTest::newRow("item name is left alone") << "txtItemName"
                                             << "7" << false;
}

void Form1Test::normalizesMoneyOnFocusLoss() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(bool, normalized);

    auto* field = m_ui->find<QLineEdit>(name);
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), typed);

    QTest::mouseClick(m_ui->find("txtCode"), Qt::LeftButton);
    QTRY_VERIFY(!field->hasFocus());
    QCOMPARE(field->text(), normalized ? velmora::NormalizeMoneyText(typed) : typed);
}

void Form1Test::readsMoneyInTheUsersLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    for (const TypedMoney& money : TypedMoneyTexts)
        QTest::addRow("%s, %s", money.locale, money.what) << money.locale << money.typed << money.field;
}

void Form1Test::readsMoneyInTheUsersLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });

    auto* price = m_ui->find<QLineEdit>("txtPrice");
    QTest::mouseClick(price, Qt::LeftButton);
    QTRY_VERIFY(price->hasFocus());
    typeKeys(price, typed);
    QTest::mouseClick(m_ui->find("txtCode"), Qt::LeftButton);
    QTRY_VERIFY(!price->hasFocus());
    QCOMPARE(price->text(), field);
}

void Form1Test::currentItemReadsTheControls_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("active1");
    QTest::addColumn<int>("active2");
    QTest::addColumn<int>("kind1"); // -1 none, else OptionSetKind
    QTest::addColumn<int>("kind2");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("shippingAddress");

    const int dropDown = int(OptionSetKind::DropDown);
    const int textBox = int(OptionSetKind::TextBox);
    QTest::newRow("at start") << QStringList{} << 0 << 0 << dropDown << dropDown << 0 << 1;
    QTest::newRow("both sets, set 2 as text box, note on, no address")
        << QStringList{"click chkOption1Active", "click chkOption2Active", "click optSet2TextBox", "click chkNote",
                       "click chkShippingAddress"}
        << 1 << 1 << dropDown << textBox << 1 << 0;
    QTest::newRow("no kind, grayed flags") << QStringList{"deselect optSet1DropDown", "set chkOption1Active=2",
                                                          "set chkNote=2", "set chkShippingAddress=2"}
                                           << 2 << 0 << -1 << dropDown << 2 << 2;
}

void Form1Test::currentItemReadsTheControls() {
    QFETCH(QStringList, steps);
    QFETCH(int, active1);
    QFETCH(int, active2);
    QFETCH(int, kind1);
    QFETCH(int, kind2);
    QFETCH(int, note);
    QFETCH(int, shippingAddress);

    m_ui->run(steps);
    fillEveryTextField();
    velmora::setCheckValue(*m_ui->find<QCheckBox>("chkNote"), note); // filling needed the note on

    const velmora::CartItem item = m_window->currentItem();
    QCOMPARE(item.ItemName, QStringLiteral("txtItemName"));
    QCOMPARE(item.ItemID, QStringLiteral("txtItemID"));
    QCOMPARE(item.Price, QStringLiteral("txtPrice"));
    QCOMPARE(item.Shipping1, QStringLiteral("txtShipping1"));
    QCOMPARE(item.Shipping2, QStringLiteral("txtShippingAdd"));
    QCOMPARE(item.NoteTitle, QStringLiteral("txtNote"));
    QCOMPARE(item.Note, note);
    QCOMPARE(item.ShippingAddress, shippingAddress);
    const auto kindOf = [](const velmora::OptionSet& set) { return set.Kind ? int(*set.Kind) : -1; };
    for (const auto& [set, active, kind, n] :
         {std::tuple{&item.Option1, active1, kind1, 1}, std::tuple{&item.Option2, active2, kind2, 2}}) {
        QCOMPARE(set->Active, active);
        QCOMPARE(kindOf(*set), kind);
        QCOMPARE(set->Name, QStringLiteral("txtOptName%1").arg(n));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(set->Values[i], valueBoxes(n)[i]);
    }
}

// Delivers one tick of Timer1 at once, so the sequence is checked without waiting on the clock.
void Form1Test::tick() const {
    auto* timer = m_window->findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

void Form1Test::noticeBlinksFiveTimesInElevenTicks() {
    auto* timer = m_window->findChild<QTimer*>("Timer1");
    QCOMPARE(timer->interval(), 300);
    m_ui->click("cmdMakeForm");

    QString seen;
    for (int i = 1; i <= 11; ++i) {
        tick();
        seen += m_ui->shown("lblCopiedtoClipboard") ? u'1' : u'0';
    }
    QCOMPARE(seen, QStringLiteral("10101010100"));
    QVERIFY(!timer->isActive());

    // The next generation starts a fresh sequence of the same length.
    m_ui->click("cmdMakeLink");
    seen.clear();
    while (timer->isActive() && seen.size() < 20) {
        tick();
        seen += m_ui->shown("lblCopiedtoClipboard") ? u'1' : u'0';
    }
    QCOMPARE(seen, QStringLiteral("10101010100"));
}

void Form1Test::secondGenerationDoesNotLengthenTheNotice() {
    auto* timer = m_window->findChild<QTimer*>("Timer1");
    m_ui->click("cmdMakeForm");
    for (int i = 0; i < 4; ++i)
        tick();
    const int remainingTime = timer->remainingTime();

    m_ui->click("cmdMakeForm");
    QVERIFY(timer->remainingTime() <= remainingTime); // not restarted either
    int ticks = 4;
    while (timer->isActive() && ticks < 30) {
        tick();
        ++ticks;
    }
    QCOMPARE(ticks, 11);
    QVERIFY(!m_ui->shown("lblCopiedtoClipboard"));
}

void Form1Test::noticeRunsOnItsOwnTimer() {
    auto* timer = m_window->findChild<QTimer*>("Timer1");
    m_ui->click("cmdMakeForm");
    QTRY_VERIFY(m_ui->shown("lblCopiedtoClipboard"));
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 15000);
    QVERIFY(!m_ui->shown("lblCopiedtoClipboard"));
}

void Form1Test::clipboardFailureIsReportedWithoutNotice() {
    // Stands in for another program that takes the clipboard over the moment the text lands there.
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto intruder = connect(clipboard, &QClipboard::dataChanged, this, [clipboard] {
        if (clipboard->text() != u"intruder" && !clipboard->text().isEmpty())
            clipboard->setText("intruder");
    });
    DialogAnswers answers;
    answers.answerMessage(QMessageBox::Ok);

    m_ui->click("cmdMakeForm");
    disconnect(intruder);

    const QString message = answers.texts.value(0);
    QCOMPARE(message, QStringLiteral("The text could not be put on the clipboard. Copy it from the code box."));
    QCOMPARE(m_ui->find<QPlainTextEdit>("txtCode")->toPlainText(),
             velmora::BuildButtonForm(m_window->currentItem(), {}));
    QVERIFY(!m_window->findChild<QTimer*>("Timer1")->isActive());
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
