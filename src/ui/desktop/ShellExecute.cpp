#include "ui/desktop/ShellExecute.h"

#include "ui/dialogs/Dialogs.h"

#include <QFileDialog>

namespace velmora {

namespace {

// xdg-open's status for "no program is there to open this kind of address".
constexpr int NoProgramForTarget = 3;

} // namespace

ShellExecute* ShellExecute::open(const QUrl& address) {
    return new ShellExecute(address);
}

ShellExecute::ShellExecute(const QUrl& address) : m_target(address.toString(QUrl::FullyEncoded)) {
    // A browser started by xdg-open may inherit our channels; pipes nobody reads would stall it.
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::finished, this, &ShellExecute::onExited);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        // Without xdg-open there is no opener to ask; like every other failure, it stays silent.
        if (error == QProcess::FailedToStart)
            finish();
    });
    // The address always starts with its scheme, so xdg-open never takes it for an option.
    m_process.start(QStringLiteral("xdg-open"), {m_target});
}

void ShellExecute::onExited(int exitCode, QProcess::ExitStatus status) {
    if (status == QProcess::NormalExit && exitCode == NoProgramForTarget)
        offerOtherProgram();
    finish();
}

void ShellExecute::offerOtherProgram() {
    showMessage({.text = QStringLiteral("Couldn't load the default application")});

    QFileDialog chooser(nullptr, QStringLiteral("Open With"), QStringLiteral("/usr/bin"));
    chooser.setFileMode(QFileDialog::ExistingFile);
    const QString program = chooseFileName(chooser);
    if (!program.isEmpty())
        QProcess::startDetached(program, {m_target});
}

void ShellExecute::finish() {
    emit finished();
    deleteLater();
}

} // namespace velmora
