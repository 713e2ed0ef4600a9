#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace velmora {

// SIGTERM, SIGHUP and SIGINT turned into a Qt signal on the user-interface thread, where the program can end the
// way a window close ends it. The handler itself only writes a byte to a socket pair, as a handler that may
// interrupt anything must. A signal the program was started to ignore (nohup) stays ignored. One at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void drain();

    std::array<int, 2> m_sockets{-1, -1};
    std::array<struct sigaction, 3> m_previous{};
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace velmora
