// The windows and pages the main window opens: the options dialog, the About box and the help page.
#include "ui/Form1.h"

#include "ui/HelpPage.h"
#include "ui/ShellExecute.h"
#include "ui/frmAbout.h"
#include "ui/frmOptions.h"

#include <QDir>

void Form1::mnuOptions_Click() {
    frmOptions::showInstance(m_options, m_store, m_settings, this);
}

void Form1::mnuAbout_Click() {
    frmAbout::showInstance(m_about);
}

void Form1::mnuHelpOnline_Click() {
    RunShellExecute(QStringLiteral("Open"), velmora::helpPageUrl().toString(), QStringLiteral("0"), QStringLiteral("0"),
                    1);
}

// The desktop's opener only opens: it has no verb, parameters, working directory or window style to pass on.
void Form1::RunShellExecute([[maybe_unused]] const QString& sTopic, const QString& sFile,
                            [[maybe_unused]] const QString& sParams, [[maybe_unused]] const QString& sDirectory,
                            [[maybe_unused]] int nShowCmd) {
    // A bare path becomes a file address, so the opener never takes a name starting with "-" for an option.
    velmora::ShellExecute::open(QUrl::fromUserInput(sFile, QDir::currentPath(), QUrl::AssumeLocalFile));
}

void Form1::closeOtherWindows() {
    if (m_about)
        m_about->close();
    if (m_options) {
        // The dialog's close asks for the main window, which is on its way out and must stay so.
        disconnect(m_options, nullptr, this, nullptr);
        m_options->close();
    }
}
