#pragma once

#include <QUrl>

namespace velmora {

// The help page that ships with Velmora: the installed copy under the executable's prefix,
// or, for a program run from its build tree, the copy in the source tree.
QUrl helpPageUrl();

} // namespace velmora
