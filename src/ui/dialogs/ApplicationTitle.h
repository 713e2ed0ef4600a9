#pragma once

#include <QString>

namespace velmora {

// Every message box is titled with the application's title, the name its settings are kept under.
inline QString applicationTitle() {
    return QStringLiteral("Trevanto");
}

} // namespace velmora
