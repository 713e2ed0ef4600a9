#include "ui/desktop/TerminationSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr std::array handled = {SIGTERM, SIGHUP, SIGINT};

std::atomic<int> writeEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: with the socket full, a signal is already waiting to be read.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd.load(), &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_sockets.data()) != 0) {
        qWarning("Cannot listen for termination signals: %s", qPrintable(qt_error_string(errno)));
        return;
    }
    writeEnd = m_sockets[0];
    m_notifier = new QSocketNotifier(m_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < handled.size(); ++i) {
        sigaction(handled[i], nullptr, &m_previous[i]);
        if (m_previous[i].sa_handler != SIG_IGN)
            sigaction(handled[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (m_sockets[0] < 0)
        return;
    for (std::size_t i = 0; i < handled.size(); ++i)
        sigaction(handled[i], &m_previous[i], nullptr);
    writeEnd = -1;
    delete m_notifier;
    ::close(m_sockets[0]);
    ::close(m_sockets[1]);
}

void TerminationSignals::drain() {
    char bytes[16];
    while (::read(m_sockets[1], bytes, sizeof bytes) > 0) {
    }
    emit received();
}

} // namespace velmora
