#include "ui/main/ItemDetails.h"

#include "model/ItemValues.h"
#include "ui/kit/ControlRows.h"
#include "ui/main/ItemControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>

#include <vector>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
namespace Id = ItemValueId;

// Where the panel's price rows start; the rows above them hold the other values.
constexpr int PricesRow = 11;

// A label in the first column and its control (or two) beside it.
void addLabelled(std::vector<ControlRow>& rows, int row, const QString& caption, std::vector<ControlRow> controls) {
    rows.push_back({.kind = ControlKind::Label,
                    .name = u"lblDetails%1"_s.arg(row),
                    .cell = {row, 0},
                    .caption = caption,
                    .labelFor = controls.front().name});
    int column = 1;
    for (ControlRow& control : controls) {
        control.cell = {row, column, controls.size() == 1 ? 2 : 1};
        column += control.cell.columnSpan;
        rows.push_back(std::move(control));
    }
}

ControlRow box(const QString& name) {
    return {.kind = ControlKind::TextBox, .name = name};
}

ControlRow list(const QString& name) {
    return {.kind = ControlKind::List, .name = name};
}

std::vector<ControlRow> panelRows() {
    std::vector<ControlRow> rows;
    addLabelled(rows, 0, u"Kind of button:"_s, {list(u"cboButtonType"_s)});
    addLabelled(rows, 1, u"Billing period:"_s, {box(u"txtSubPeriod"_s), list(u"cboSubUnit"_s)});
    addLabelled(rows, 2, u"Number of payments:"_s, {box(u"txtSubTimes"_s)});
    addLabelled(rows, 3, u"Trial price:"_s, {box(u"txtTrialAmount"_s)});
    addLabelled(rows, 4, u"Trial period:"_s, {box(u"txtTrialPeriod"_s), list(u"cboTrialUnit"_s)});
    rows.push_back({.kind = ControlKind::CheckBox,
                    .name = u"chkBuyerQuantity"_s,
                    .cell = {5, 0, 3},
                    .caption = u"Buyer chooses the quantity"_s});
    addLabelled(rows, 6, u"Largest quantity:"_s, {box(u"txtMaxQuantity"_s)});
    addLabelled(rows, 7, u"Tax rate (%):"_s, {box(u"txtTaxRate"_s)});
    addLabelled(rows, 8, u"Handling:"_s, {box(u"txtHandling"_s)});
    addLabelled(rows, 9, u"Weight:"_s, {box(u"txtWeight"_s), list(u"cboWeightUnit"_s)});
    rows.push_back({.kind = ControlKind::Label,
                    .name = u"lblOptPrices1"_s,
                    .cell = {PricesRow - 1, 0, 3},
                    .caption = u"Prices of option set 1's values:"_s});
    for (int i = 0; i < 10; ++i) {
        rows.push_back({.kind = ControlKind::Label, .name = u"lblOptPrice1(%1)"_s.arg(i), .cell = {PricesRow + i, 0}});
        rows.push_back(
            {.kind = ControlKind::TextBox, .name = u"txtOptPrice1(%1)"_s.arg(i), .cell = {PricesRow + i, 1, 2}});
    }
    addLabelled(rows, PricesRow + 10, u"Advanced variables:"_s,
                {{.kind = ControlKind::TextArea, .name = u"txtAdvanced"_s, .tip = u"One name=value a line"_s}});
    for (int i = 0; i < int(rows.size()); ++i)
        rows[i].tabIndex = i;
    return rows;
}

// What each choice is called in its list.
QString captionOf(QLatin1StringView choice) {
    static const QHash<QString, QString> captions{{u"cart"_s, u"Add to Cart"_s}, {u"buy-now"_s, u"Buy Now"_s},
                                                  {u"donate"_s, u"Donate"_s},    {u"subscribe"_s, u"Subscribe"_s},
                                                  {u"D"_s, u"days"_s},           {u"W"_s, u"weeks"_s},
                                                  {u"M"_s, u"months"_s},         {u"Y"_s, u"years"_s}};
    return captions.value(choice, choice);
}

// Each control is spoken as messages name its value (a price's label copies a text that may be empty), and each
// list offers its value's choices.
void nameAndFill(const BuiltControls& built) {
    for (const ItemControl& control : itemControls()) {
        const ItemValue& value = itemValue(control.id);
        if (value.isClassic())
            continue;
        auto& widget = built.get<QWidget>(control.name);
        widget.setAccessibleName(value.label);
        auto* choices = qobject_cast<QComboBox*>(&widget);
        for (const QLatin1StringView choice : value.choices)
            choices->addItem(captionOf(choice), QString(choice));
        if (choices)
            choices->setCurrentIndex(choices->findData(QString(value.defaultText)));
    }
}

// Each price row shows its value's text, and the prices are offered while set 1 is a drop-down list in use.
void followOptionSet1(const BuiltControls& built, QWidget& panel) {
    auto& use = built.get<QCheckBox>(u"chkOption1Active"_s);
    auto& dropDown = built.get<QRadioButton>(u"optSet1DropDown"_s);
    auto& textBox = built.get<QRadioButton>(u"optSet1TextBox"_s);
    std::vector<QWidget*> priceRows{&built.get<QWidget>(u"lblOptPrices1"_s)};
    for (int i = 0; i < 10; ++i) {
        auto& value = built.get<QLineEdit>(u"txtOptSet1(%1)"_s.arg(i));
        auto& copy = built.get<QLabel>(u"lblOptPrice1(%1)"_s.arg(i));
        copy.setText(value.text());
        QObject::connect(&value, &QLineEdit::textChanged, &copy, &QLabel::setText);
        priceRows.push_back(&copy);
        priceRows.push_back(&built.get<QWidget>(u"txtOptPrice1(%1)"_s.arg(i)));
    }
    const auto offer = [&use, &textBox, priceRows] {
        const bool offered = use.checkState() == Qt::Checked && !textBox.isChecked();
        for (QWidget* row : priceRows)
            row->setEnabled(offered);
    };
    offer();
    QObject::connect(&use, &QCheckBox::stateChanged, &panel, offer);
    QObject::connect(&dropDown, &QRadioButton::toggled, &panel, offer);
    QObject::connect(&textBox, &QRadioButton::toggled, &panel, offer);
}

// A subscription's terms are offered while the item is one; no other kind has them.
void followButtonType(const BuiltControls& built, QWidget& panel) {
    auto& kind = built.get<QComboBox>(u"cboButtonType"_s);
    std::vector<QWidget*> termRows;
    for (const QString& name :
         {u"lblDetails1"_s, u"txtSubPeriod"_s, u"cboSubUnit"_s, u"lblDetails2"_s, u"txtSubTimes"_s, u"lblDetails3"_s,
          u"txtTrialAmount"_s, u"lblDetails4"_s, u"txtTrialPeriod"_s, u"cboTrialUnit"_s})
        termRows.push_back(&built.get<QWidget>(name));
    const auto offer = [&kind, termRows] {
        for (QWidget* row : termRows)
            row->setEnabled(kind.currentData().toString() == u"subscribe");
    };
    offer();
    QObject::connect(&kind, &QComboBox::currentIndexChanged, &panel, offer);
}

} // namespace

void buildItemDetails(QMainWindow& window, BuiltControls& built) {
    auto* dock = new QDockWidget(u"Kind of button and payment details"_s, &window);
    dock->setObjectName(u"ItemDetails"_s);
    // Always there: a panel the merchant could close would hide values that change what a button charges.
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* panel = new QWidget(dock);
    auto* grid = new QGridLayout(panel);
    const std::vector<ControlRow> rows = panelRows();
    const BuiltControls details = buildControls(rows, *panel, grid);
    for (const ControlRow& row : rows)
        built.add(details.get<QObject>(row.name));
    grid->setRowStretch(PricesRow + 10, 1);
    dock->setWidget(panel);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    built.add(*dock);
    nameAndFill(built);
    followOptionSet1(built, *panel);
    followButtonType(built, *panel);
}

} // namespace velmora
