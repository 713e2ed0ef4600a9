#pragma once

#include <QIcon>

namespace velmora {

// The program's icon, shared by all three windows; the same picture the desktop menu shows.
QIcon appIcon();

} // namespace velmora
