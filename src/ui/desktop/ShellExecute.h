#pragma once

#include <QObject>
#include <QProcess>
#include <QUrl>

namespace velmora {

// Opens a document or web address with the program the desktop has registered for it, through
// xdg-open run as a process of its own, so the window never waits for a browser to start.
// When nothing can open that kind of address, the user is told so and may pick a program instead.
class ShellExecute : public QObject {
    Q_OBJECT
public:
    // Starts opening `address`. The returned object deletes itself once the attempt, and any
    // fallback the user went through, is over; `finished` is its last word.
    static ShellExecute* open(const QUrl& address);

signals:
    void finished();

private:
    explicit ShellExecute(const QUrl& address);
    void onExited(int exitCode, QProcess::ExitStatus status);
    void offerOtherProgram();
    void finish();

    QString m_target;
    QProcess m_process;
};

} // namespace velmora
