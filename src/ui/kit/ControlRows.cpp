#include "ui/kit/ControlRows.h"

#include "ui/kit/AccessibleName.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// Sizes a control to its text when it is first shown. Measuring text is much of what building a window costs, and a
// control that starts hidden may never be shown at all.
class SizeToTextWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            static_cast<QWidget*>(watched)->adjustSize();
        }
        return false;
    }
};

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(row.caption, parent);
        if (row.maxLength > 0)
            limitTyping(*edit, row.maxLength);
        return edit;
    }
    case ControlKind::TextArea: {
        auto* area = new QPlainTextEdit(row.caption, parent);
        area->setTabChangesFocus(true);
        return area;
    }
    case ControlKind::CodeBox: {
        // Only the generators write here; read-only keeps the box showing exactly what was copied.
        auto* code = new QPlainTextEdit(parent);
        code->setReadOnly(true);
        code->setTabChangesFocus(true);
        code->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        code->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        code->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return code;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(row.caption, parent);
        box->setChecked(row.checked);
        keepGrayedFromClicks(*box);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* button = new QRadioButton(row.caption, parent);
        button->setChecked(row.checked);
        return button;
    }
    case ControlKind::CommandButton:
        return new QPushButton(row.caption, parent);
    case ControlKind::Label:
        return new QLabel(row.caption, parent);
    case ControlKind::Frame:
        return new QGroupBox(row.caption, parent);
    case ControlKind::List:
        return new QComboBox(parent);
    }
    Q_UNREACHABLE();
}

void applyLooks(const ControlRow& row, QWidget* widget, QObject& sizeWhenShown) {
    widget->setObjectName(row.name);
    const bool placed = !row.twips.isEmpty();
    if (placed)
        widget->setGeometry(fromTwips(row.twips));
    widget->setToolTip(row.tip);
    widget->setAccessibleName(row.spoken);

    if (row.bold || row.italic || row.pointSize > 0) {
        QFont font = widget->font();
        font.setBold(row.bold);
        font.setItalic(row.italic);
        if (row.pointSize > 0)
            font.setPointSizeF(row.pointSize);
        widget->setFont(font);
    }

    if (row.background || row.textColour) {
        QPalette palette = widget->palette();
        const bool isEditor =
            row.kind == ControlKind::TextBox || row.kind == ControlKind::TextArea || row.kind == ControlKind::CodeBox;
        if (row.background) {
            palette.setColor(isEditor ? QPalette::Base : widget->backgroundRole(), *row.background);
            widget->setAutoFillBackground(!isEditor);
        }
        if (row.textColour)
            palette.setColor(QPalette::WindowText, *row.textColour);
        widget->setPalette(palette);
    }

    if (placed && row.autoSize && row.hidden)
        widget->installEventFilter(&sizeWhenShown);
    else if (placed && row.autoSize)
        widget->adjustSize();
    if (placed && row.kind == ControlKind::Label)
        widget->lower(); // labels lie beneath the boxes they name, never over them
    if (row.hidden)
        widget->hide();
    widget->setEnabled(!row.disabled);
}

// The focus chain follows the tab indexes; labels and frames take no focus and drop out of it.
void chainTabOrder(std::vector<std::pair<int, QWidget*>> controls) {
    std::stable_sort(controls.begin(), controls.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : controls) {
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

BuiltControls buildControls(std::span<const ControlRow> rows, QWidget& client, QGridLayout* grid) {
    BuiltControls built;
    auto* sizeWhenShown = new SizeToTextWhenShown(&client);
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.frame.isEmpty() ? &client : &built.get<QWidget>(row.frame);
        QWidget* widget = createControl(row, parent);
        applyLooks(row, widget, *sizeWhenShown);
        if (grid && row.cell.row >= 0)
            grid->addWidget(widget, row.cell.row, row.cell.column, 1, row.cell.columnSpan);
        built.add(*widget);
        tabOrder.emplace_back(row.tabIndex, widget);
    }
    chainTabOrder(std::move(tabOrder));
    // A control is spoken as the label beside it reads.
    for (const ControlRow& row : rows) {
        if (!row.labelFor.isEmpty())
            nameAfterLabel(built.get<QWidget>(row.labelFor), built.get<QLabel>(row.name));
    }
    return built;
}

} // namespace velmora
