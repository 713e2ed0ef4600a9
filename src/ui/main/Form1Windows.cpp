// The windows and pages the main window opens: the options dialog, the About box, the help page and the preview.
#include "ui/main/Form1.h"

#include "generate/ShopPage.h"
#include "model/MerchantAccount.h"
#include "ui/desktop/HelpPage.h"
#include "ui/desktop/PreviewFile.h"
#include "ui/desktop/ShellExecute.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"

#include <QDir>

using namespace Qt::StringLiterals;

void Form1::mnuOptions_Click() {
    frmOptions::showInstance(m_options, m_store, m_settings, this);
    connect(m_options, &frmOptions::saved, this, &Form1::showSettings, Qt::UniqueConnection);
}

// What the window tells of the saved settings.
void Form1::showSettings() {
    // So that no merchant pastes a test button into a live shop unawares.
    const QString title = u"Velmora for the Paypal Shopping Cart System."_s;
    setWindowTitle(m_settings.UseSandbox ? title + u" (sandbox: test payments only)"_s : title);
    if (velmora::isUsableMerchantAccount(m_settings.eMail))
        m_statusLine->drop(velmora::StatusLine::Account);
}

// The item's page is written where only the user can read it, then opened as the help page is. The code box and
// the clipboard stay as they were.
void Form1::mnuPreview_Click() {
    const QString page = velmora::BuildPreviewPage(currentItem(), m_settings, velmora::moneyLocale());
    const velmora::PreviewPath preview = velmora::previewFilePath();
    const QString problem = preview.ok() ? velmora::writePreviewFile(preview.path, page) : preview.error;
    if (!problem.isEmpty()) {
        velmora::showMessage(
            {.text = problem, .icon = QMessageBox::Warning, .parent = this, .name = u"PreviewProblem"_s});
        return;
    }
    // The page's buttons pay the account, and charge the amounts, as made ones would.
    warnOfUnusableAccount();
    tellOfAmountsMade();
    RunShellExecute(u"Open"_s, preview.path, u"0"_s, u"0"_s, 1);
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
