#pragma once

#include <QStringList>

class QTextStream;

namespace velmora {

class SettingsStore;

inline constexpr auto CliPrefix = "velmora-cli: ";

namespace CliExit {
enum : int { Done = 0, Usage = 1, Refused = 2 };
} // namespace CliExit

// velmora-cli: reads every item file named, then prints the form or the link for each, one line per item, a shop
// page of them all, or the View Cart form or link; nothing at all when any of them cannot be made. Publishes items as
// payment links, deletes and lists them. Only reads the settings store.
int runVelmoraCli(const QStringList& arguments, const SettingsStore& store, QTextStream& out, QTextStream& err);

} // namespace velmora
