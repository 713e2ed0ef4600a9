#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace velmora {

// Empty when a window can be shown in this environment; otherwise one line saying why not,
// so the program can stop before the toolkit aborts with its own less helpful error.
QString missingDisplayReason(const QProcessEnvironment& environment);

// From its making until connected(), the toolkit's failure to reach the display (DISPLAY naming a server that is not
// there, say) ends the program with status 1 and one line saying so, instead of an abort. What the toolkit says
// meanwhile is held back, and passed on once the display has been reached.
class DisplayConnectionGuard {
public:
    DisplayConnectionGuard();
    ~DisplayConnectionGuard() { connected(); }
    void connected();
    DisplayConnectionGuard(const DisplayConnectionGuard&) = delete;
    DisplayConnectionGuard& operator=(const DisplayConnectionGuard&) = delete;
};

} // namespace velmora
