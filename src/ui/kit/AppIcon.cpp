#include "ui/kit/AppIcon.h"

namespace velmora {

QIcon appIcon() {
    // Compiled in, so a window never shows without its icon, installed or not.
    return QIcon(QStringLiteral(":/velmora/icons/velmora-32.png"));
}

} // namespace velmora
