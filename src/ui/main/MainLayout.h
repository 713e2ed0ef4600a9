#pragma once

#include "ui/kit/BuiltControls.h"

class QMainWindow;

namespace velmora {

// Builds the main window's controls, menus and status line from the tables that mirror the layout they describe,
// sizes the window to the layout, and returns what it built by name. The Make menu is left for its commands.
BuiltControls buildMainWindow(QMainWindow& window);

} // namespace velmora
