#include "ui/kit/AccessibleName.h"

#include <QLabel>

namespace velmora {

void nameAfterLabel(QWidget& control, QLabel& label) {
    QString name = label.text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    control.setAccessibleName(name);
    label.setBuddy(&control);
}

} // namespace velmora
