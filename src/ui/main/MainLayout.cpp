#include "ui/main/MainLayout.h"

#include "ui/kit/ControlRows.h"
#include "ui/kit/StatusLine.h"
#include "ui/kit/Twips.h"
#include "ui/main/ItemControls.h"
#include "ui/main/ItemDetails.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

const QSize kClientTwips{9930, 6090};
// The system's active-border colour on the desktop this layout was drawn for.
const QColor kActiveBorder{212, 208, 200};

const QString kTipItemName = QStringLiteral("Required.  The name of the item you are selling");
const QString kTipItemID =
    QStringLiteral("Optional.  Your item's identification code. may consist of letters and/or numbers.");
const QString kTipPrice = QStringLiteral("Required.  The price of your item.");
const QString kTipShipping1 = QStringLiteral("Optional. Override Paypal's shipping calculator, 1st item.");
const QString kTipShippingAdd =
    QStringLiteral("Optional. Override Paypal's shipping calculator.  Additional items (ea.).");
const QString kTipNoteTitle = QStringLiteral("The title of the note your buyer will be prompted for.");
const QString kTipOptionName = QStringLiteral("Your option's name");

std::vector<ControlRow> windowRows() {
    return {
        {.kind = ControlKind::TextBox,
         .name = "txtItemName",
         .tabIndex = 0,
         .twips = {1080, 210, 2775, 285},
         .tip = kTipItemName,
         .background = QColor(192, 255, 255)},
        {.kind = ControlKind::TextBox,
         .name = "txtItemID",
         .tabIndex = 1,
         .twips = {5760, 210, 1455, 285},
         .tip = kTipItemID,
         .background = QColor(255, 128, 128)},
        {.kind = ControlKind::TextBox,
         .name = "txtPrice",
         .tabIndex = 2,
         .twips = {720, 570, 1335, 285},
         .tip = kTipPrice,
         .background = QColor(128, 255, 128)},
        {.kind = ControlKind::TextBox,
         .name = "txtShipping1",
         .tabIndex = 3,
         .twips = {3480, 570, 975, 285},
         .tip = kTipShipping1,
         .background = QColor(255, 255, 128)},
        {.kind = ControlKind::TextBox,
         .name = "txtShippingAdd",
         .tabIndex = 4,
         .twips = {6240, 570, 975, 285},
         .tip = kTipShippingAdd,
         .background = QColor(255, 192, 128)},
        {.kind = ControlKind::CheckBox,
         .name = "chkShippingAddress",
         .tabIndex = 33,
         .twips = {240, 4920, 3735, 255},
         .caption = "Buyer provide shipping address at checkout?",
         .tip = "Check this box if you want your buyer to provide a shipping address. "
                "Uncheck if you do not want the buyer to specify a shipping address.",
         .checked = true},
        {.kind = ControlKind::CheckBox,
         .name = "chkNote",
         .tabIndex = 34,
         .twips = {240, 5280, 2895, 255},
         .caption = "Buyer include note at checkout?",
         .tip = "Check this box if you want your buyer to include a note.  "
                "Uncheck if you do not want your buyer to include a note."},
        {.kind = ControlKind::TextBox,
         .name = "txtNote",
         .tabIndex = 35,
         .twips = {4200, 5230, 3015, 285},
         .caption = "Special Instructions (optional)",
         .tip = kTipNoteTitle,
         .maxLength = 30,
         .disabled = true},
        {.kind = ControlKind::CommandButton,
         .name = "cmdMakeLink",
         .tabIndex = 36,
         .twips = {3840, 5640, 1335, 375},
         .caption = "Make a Link",
         .tip = "Click here to make only a link."},
        {.kind = ControlKind::CommandButton,
         .name = "cmdMakeForm",
         .tabIndex = 37,
         .twips = {5280, 5640, 1935, 375},
         .caption = "Make a Button / Form",
         .tip = "Click here to make a complete button/form."},
        {.kind = ControlKind::CodeBox,
         .name = "txtCode",
         .tabIndex = 38,
         .twips = {7320, 240, 2535, 5295},
         .tip = "HTML code is output here.",
         .spoken = "HTML code",
         .background = QColor(Qt::white)},
        {.kind = ControlKind::Label,
         .name = "Label1",
         .tabIndex = 39,
         .twips = {120, 240, 975, 195},
         .caption = "Item Name:",
         .labelFor = "txtItemName",
         .tip = kTipItemName,
         .bold = true,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label2",
         .tabIndex = 40,
         .twips = {4080, 240, 1650, 195},
         .caption = "Item ID Name/Number:",
         .labelFor = "txtItemID",
         .tip = kTipItemID,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label3",
         .tabIndex = 41,
         .twips = {120, 600, 510, 195},
         .caption = "Price:",
         .labelFor = "txtPrice",
         .tip = kTipPrice,
         .bold = true,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label4",
         .tabIndex = 42,
         .twips = {2400, 600, 1005, 195},
         .caption = "Shipping (1st):",
         .labelFor = "txtShipping1",
         .tip = kTipShipping1,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label5",
         .tabIndex = 43,
         .twips = {4680, 600, 1515, 195},
         .caption = "Shipping (add. items):",
         .labelFor = "txtShippingAdd",
         .tip = kTipShippingAdd,
         .autoSize = true},
        {.kind = ControlKind::Frame,
         .name = "Frame1",
         .tabIndex = 44,
         .twips = {120, 1000, 3495, 3735},
         .caption = "Option Set 1",
         .tip = "Optional.  Option sets can be drop-down lists or text boxes.  "},
        {.kind = ControlKind::Frame,
         .name = "Frame2",
         .tabIndex = 56,
         .twips = {3720, 1000, 3495, 3735},
         .caption = "Option Set 2",
         .background = kActiveBorder},
        {.kind = ControlKind::Label,
         .name = "Label7",
         .tabIndex = 68,
         .twips = {3360, 5280, 780, 195},
         .caption = "Note Title: ",
         .labelFor = "txtNote",
         .tip = kTipNoteTitle,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "lblCopiedtoClipboard",
         .tabIndex = 69,
         .twips = {7440, 5640, 2415, 255},
         .caption = "Copied to Clipboard!",
         .textColour = QColor(192, 0, 0),
         .bold = true,
         .italic = true,
         .pointSize = 9.75,
         .hidden = true},
        {.kind = ControlKind::CommandButton,
         .name = "cmdClearAll",
         .tabIndex = 70,
         .twips = {6480, 4800, 735, 255},
         .caption = "clear all"},
        // The two set clears lie on the window, in front of their frames: built after the frames.
        {.kind = ControlKind::CommandButton,
         .name = "cmdClearOptions1",
         .tabIndex = 71,
         .twips = {2640, 2280, 735, 255},
         .caption = "clear",
         .hidden = true},
        {.kind = ControlKind::CommandButton,
         .name = "cmdClearOptions2",
         .tabIndex = 72,
         .twips = {6240, 2280, 735, 255},
         .caption = "clear",
         .hidden = true},
    };
}

// The controls of one option frame; set 2 mirrors set 1 apart from names, tab indexes and two looks.
std::vector<ControlRow> frameRows(int set) {
    const bool first = set == 1;
    const QString frame = QStringLiteral("Frame%1").arg(set);
    const int tabBase = first ? 5 : 19;
    std::vector<ControlRow> rows{
        {.kind = ControlKind::CheckBox,
         .name = QStringLiteral("chkOption%1Active").arg(set),
         .tabIndex = tabBase,
         .twips = {120, 240, 2775, 255},
         .caption = "Use this option set.",
         .tip = "Check here to use this option set.",
         .frame = frame,
         .background = first ? std::optional(kActiveBorder) : std::nullopt,
         .hidden = !first},
        {.kind = ControlKind::TextBox,
         .name = QStringLiteral("txtOptName%1").arg(set),
         .tabIndex = tabBase + 1,
         .twips = {600, 600, 2655, 285},
         .tip = kTipOptionName,
         .frame = frame,
         .maxLength = 60,
         .hidden = true},
        {.kind = ControlKind::OptionButton,
         .name = QStringLiteral("optSet%1DropDown").arg(set),
         .tabIndex = tabBase + 2,
         .twips = {120, 1080, 1695, 255},
         .caption = "Drop Down Menu",
         .tip = "Select this option for a drop-down menu",
         .frame = frame,
         .hidden = true,
         .checked = true},
        {.kind = ControlKind::OptionButton,
         .name = QStringLiteral("optSet%1TextBox").arg(set),
         .tabIndex = tabBase + 3,
         .twips = {120, 1320, 1575, 255},
         .caption = "Text Box",
         .tip = "Select this option for a text box option",
         .frame = frame,
         .hidden = true},
        {.kind = ControlKind::Label,
         .name = first ? "Label11" : "Label12",
         .tabIndex = first ? 55 : 57,
         .twips = {120, 600, 465, 195},
         .caption = "Name:",
         .tip = kTipOptionName,
         .frame = frame,
         .autoSize = true,
         .hidden = true},
    };

    // Ten value boxes in two columns of five, each numbered by a member of the shared Label6 array;
    // set 2's numbers run backwards through that array, 19 numbering its first box.
    static constexpr int rowTops[] = {1680, 2040, 2400, 2760, 3120};
    for (int i = 0; i < 10; ++i) {
        const int top = rowTops[i % 5];
        const int label = first ? i : 19 - i;
        const int labelLeft = i < 5 ? (first ? 90 : 120) : (i == 9 ? 1700 : 1800);
        rows.push_back({.kind = ControlKind::TextBox,
                        .name = QStringLiteral("txtOptSet%1(%2)").arg(set).arg(i),
                        .tabIndex = tabBase + 4 + i,
                        .twips = {i < 5 ? 240 : 1920, top, 1335, 285},
                        .tip = QStringLiteral("Option %1").arg(i + 1),
                        .frame = frame,
                        .maxLength = 30,
                        .hidden = true});
        rows.push_back({.kind = ControlKind::Label,
                        .name = QStringLiteral("Label6(%1)").arg(label),
                        .tabIndex = label < 10 ? 45 + label : 48 + label,
                        .twips = {labelLeft, top, i == 9 ? 180 : 90, 195},
                        .caption = QString::number(i + 1),
                        .frame = frame,
                        .autoSize = true,
                        .hidden = true});
    }
    return rows;
}

// The layout was measured in a narrower face than most systems' sans. Condense the system face so that
// the captions of the labels sized to their text come out as wide as the layout measured them.
QFont layoutFont(const std::vector<ControlRow>& rows) {
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    qreal measured = 0;
    qreal wanted = 0;
    for (const ControlRow& row : rows) {
        if (row.kind != ControlKind::Label || !row.autoSize || row.caption.size() < 5)
            continue;
        QFont face = font;
        face.setBold(row.bold);
        measured += QFontMetricsF(face).horizontalAdvance(row.caption);
        wanted += fromTwips(row.twips).width();
    }
    if (measured > wanted)
        font.setStretch(qMax(60, int(100 * wanted / measured)));
    return font;
}

// In the two option frames the same captions and labels ("Name:", "3") stand in both sets, so their controls are
// spoken as messages name their item field: "Option set 1, value 3".
void nameOptionSetFields(const BuiltControls& built) {
    for (const ItemControl& control : itemControls()) {
        if (!itemValue(control.id).isClassic())
            continue; // the panel beside the layout names its own
        QWidget& widget = built.get<QWidget>(control.name);
        if (qobject_cast<QGroupBox*>(widget.parentWidget()))
            widget.setAccessibleName(itemValue(control.id).label);
    }
}

// The client area, built from the rows in a face condensed to their measure.
void buildClient(QMainWindow& window, BuiltControls& built) {
    std::vector<ControlRow> rows = windowRows();
    for (int set : {1, 2})
        std::ranges::move(frameRows(set), std::back_inserter(rows));

    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(layoutFont(rows));
    window.setCentralWidget(client);

    built = buildControls(rows, *client);
    nameOptionSetFields(built);
}

// The menu tree, in the order shown. "&" marks the access key of the following letter. The Make menu is filled
// from the table of what Velmora makes.
void buildMenus(QMainWindow& window, BuiltControls& built) {
    enum Level {
        Menu,      // a menu on the bar
        InMenu,    // a command in the menu above
        SubMenu,   // a menu in the menu above, filled while the program runs
        Separator, // a line in the menu above
        OnBar,     // a command on the bar itself
    };
    struct MenuRow {
        const char* name;
        QString caption;
        Level level;
        QKeySequence keys{};
    };
    const MenuRow rows[] = {
        {"mnuFile", QStringLiteral("&File"), Menu},
        {"mnuNew", QStringLiteral("&New (clear all)"), InMenu, QKeySequence::New},
        {"mnuSave", QStringLiteral("&Save this  Item as..."), InMenu, QKeySequence::Save},
        {"mnuOpen", QStringLiteral("&Open an Item"), InMenu, QKeySequence::Open},
        {"mnuOpenRecent", QStringLiteral("Open &Recent"), SubMenu},
        {"", {}, Separator},
        // Not every desktop gives Quit standard keys; Ctrl+Q is what they all use.
        {"mnuQuit", QStringLiteral("&Quit"), InMenu, Qt::CTRL | Qt::Key_Q},
        {"mnuMake", QStringLiteral("&Make"), Menu},
        {"mnuOptions", QStringLiteral("&Options"), OnBar},
        {"mnuAbout", QStringLiteral("&About"), OnBar},
        {"mnuHelp", QStringLiteral("&Help"), Menu},
        {"mnuHelpOnline", QStringLiteral("Help Online"), InMenu},
    };

    QMenuBar* bar = window.menuBar();
    QMenu* menu = nullptr;
    for (const MenuRow& row : rows) {
        QObject* item = nullptr;
        switch (row.level) {
        case Menu:
            item = menu = bar->addMenu(row.caption);
            break;
        case InMenu: {
            QAction* command = menu->addAction(row.caption);
            command->setShortcut(row.keys);
            item = command;
            break;
        }
        case SubMenu:
            item = menu->addMenu(row.caption);
            break;
        case Separator:
            menu->addSeparator();
            continue;
        case OnBar:
            item = bar->addAction(row.caption);
            break;
        }
        item->setObjectName(QLatin1StringView(row.name));
        built.add(*item);
    }
}

// A line under the layout for what the merchant should know without being stopped; the window grows by it, so it
// covers no control.
void buildStatusLine(QMainWindow& window, BuiltControls& built) {
    auto* line = new StatusLine(&window);
    line->setObjectName(QStringLiteral("lblStatusLine"));
    built.add(*line);
    // A permanent widget: the bar's passing messages, such as a menu command's tip, never hide it.
    window.statusBar()->addPermanentWidget(line, 1);
    window.statusBar()->setSizeGripEnabled(false);
}

} // namespace

BuiltControls buildMainWindow(QMainWindow& window) {
    BuiltControls built;
    buildClient(window, built);
    buildItemDetails(window, built);
    buildMenus(window, built);
    buildStatusLine(window, built);
    // The layout gives the client area; the menu bar comes on top of it and the status line below.
    const QRect clientArea = fromTwips({QPoint(), kClientTwips});
    window.resize(clientArea.width() + built.get<QWidget>(QStringLiteral("ItemDetails")).sizeHint().width(),
                  clientArea.height() + window.menuBar()->sizeHint().height() +
                      window.statusBar()->sizeHint().height());
    return built;
}

} // namespace velmora
