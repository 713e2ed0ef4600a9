#pragma once

#include "ui/kit/BuiltControls.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>
#include <span>

class QGridLayout;
class QWidget;

namespace velmora {

// A TextArea takes several lines as typed; a CodeBox shows what the generators wrote.
enum class ControlKind { TextBox, TextArea, CodeBox, CheckBox, OptionButton, CommandButton, Label, Frame, List };

// A place in the window's grid, for a window that lays its controls out in one.
struct GridCell {
    int row = -1; // -1: not in the grid
    int column = 0;
    int columnSpan = 1;
};

// One control as a window's layout table describes it. Every window builds its controls from such rows, so that
// each is built, looks and is named for screen readers the same way.
struct ControlRow {
    ControlKind kind = ControlKind::Label;
    QString name{};
    int tabIndex = 0; // the focus visits the controls that take it in this order
    QRect twips{};    // Left, Top, Width, Height on its parent; empty: in its grid cell, or placed by the window
    GridCell cell{};
    QString caption{};  // a text box's initial text
    QString labelFor{}; // a label: the control it names, to screen readers too
    QString tip{};
    QString spoken{};  // what screen readers call a control that no label or caption names
    QString frame{};   // empty: placed on the client itself
    int maxLength = 0; // what the user may type into a text box; 0: no limit
    std::optional<QColor> background{};
    std::optional<QColor> textColour{};
    bool bold = false;
    bool italic = false;
    qreal pointSize = 0;   // 0: the client's size
    bool autoSize = false; // sized to its text from its twips' top left corner
    bool hidden = false;
    bool disabled = false;
    bool checked = false;
};

// Builds the controls of the rows on the client, in the rows' order (a frame before the controls inside it), and
// returns them by name. Rows with a grid cell go into the grid.
BuiltControls buildControls(std::span<const ControlRow> rows, QWidget& client, QGridLayout* grid = nullptr);

} // namespace velmora
