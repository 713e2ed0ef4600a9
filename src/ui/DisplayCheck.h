#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace velmora {

// Empty when a window can be shown in this environment; otherwise one line saying why not,
// so the program can stop before the toolkit aborts with its own less helpful error.
QString missingDisplayReason(const QProcessEnvironment& environment);

} // namespace velmora
