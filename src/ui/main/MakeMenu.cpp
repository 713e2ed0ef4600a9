#include "ui/main/MakeMenu.h"

#include "generate/Outputs.h"
#include "ui/desktop/PreviewFile.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/kit/BuiltControls.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/main/Form1.h"
#include "ui/main/OutputPublisher.h"
#include "ui/main/StatusNotices.h"

#include <QMenu>
#include <QPushButton>

namespace velmora {

using namespace Qt::StringLiterals;

MakeMenu::MakeMenu(const BuiltControls& built, Form1& window, const MerchantSettings& settings,
                   OutputPublisher& publisher, StatusNotices& notices)
    : m_window(window), m_settings(settings), m_publisher(publisher), m_notices(notices) {
    auto& menu = built.get<QMenu>(u"mnuMake"_s);
    const Output* previous = nullptr;
    for (const Output& output : outputs()) {
        // What the payment-links service makes waits for it; LinkPublisher offers that.
        if (output.menuCommand.isEmpty() || output.madeBy != MadeBy::Velmora)
            continue;
        if (previous && previous->menuGroup != output.menuGroup)
            menu.addSeparator();
        previous = &output;
        QAction* action = menu.addAction(output.caption);
        action->setObjectName(output.menuCommand);
        action->setShortcut(QKeySequence(QString(output.shortcut), QKeySequence::PortableText));
        const auto makeIt = [this, &output] { make(output); };
        onCommand(*action, this, makeIt);
        QPushButton* button = nullptr;
        if (!output.button.isEmpty()) {
            button = &built.get<QPushButton>(output.button);
            onCommand(*button, this, makeIt);
        }
        m_commands.push_back({&output, action, button});
    }
}

void MakeMenu::offerFor(const CartItem& item) {
    for (const Command& command : m_commands) {
        const bool offered = refusalFor(*command.output, item).isEmpty();
        command.action->setEnabled(offered);
        if (command.button)
            command.button->setEnabled(offered);
    }
}

void MakeMenu::make(const Output& output) {
    OutputRequest request{.items = {}, .settings = m_settings, .locale = moneyLocale(), .title = {}};
    const bool ofTheItem = output.takes != OutputTakes::Settings;
    if (ofTheItem)
        request.items = {m_window.currentItem()};
    // The payment page would refuse what is wrong, or charge something else; nothing is made of it.
    if (ofTheItem && tellOfProblems(output, request))
        return;
    const QString made = output.make(request);
    if (output.opensInBrowser) {
        preview(made);
        return;
    }
    m_notices.warnOfUnusableAccount();
    m_publisher.publish(made);
    if (ofTheItem)
        m_notices.tellOfAmountsMade();
    if (output.id == OutputId::Form || output.id == OutputId::Link)
        m_notices.tellOfRetirement(request.items.front());
}

bool MakeMenu::tellOfProblems(const Output& output, const OutputRequest& request) {
    const QStringList problems = problemsWith(output, request.items.front(), request.settings, request.locale);
    if (problems.isEmpty())
        return false;
    showMessage({.text = u"Couldn't make %1 of this item:\n\n%2"_s.arg(output.what, problems.join(u'\n')),
                 .icon = QMessageBox::Warning,
                 .parent = &m_window,
                 .name = u"ItemProblems"_s});
    return true;
}

// The item's page is written where only the user can read it, then opened as the help page is. The code box and
// the clipboard stay as they were.
void MakeMenu::preview(const QString& page) {
    const PreviewPath preview = previewFilePath();
    const QString problem = preview.ok() ? writePreviewFile(preview.path, page) : preview.error;
    if (!problem.isEmpty()) {
        showMessage({.text = problem, .icon = QMessageBox::Warning, .parent = &m_window, .name = u"PreviewProblem"_s});
        return;
    }
    // The page's buttons pay the account, and charge the amounts, as made ones would.
    m_notices.warnOfUnusableAccount();
    m_notices.tellOfAmountsMade();
    m_window.RunShellExecute(u"Open"_s, preview.path, u"0"_s, u"0"_s, 1);
}

} // namespace velmora
