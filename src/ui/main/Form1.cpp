#include "ui/main/Form1.h"

#include "generate/ButtonForm.h"
#include "generate/CartLink.h"
#include "generate/ViewCart.h"
#include "model/MerchantAccount.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/kit/AppIcon.h"
#include "ui/kit/BuiltControls.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

using velmora::CartItem;

Form1::Form1(QWidget* parent) : Form1(velmora::SettingsStore::userFileName(), parent) {}

Form1::Form1(const QString& storeFile, QWidget* parent) : QMainWindow(parent), m_store(storeFile) {
    setWindowIcon(velmora::appIcon());
    velmora::BuiltControls built;
    buildControls(built);
    buildMenus(built);
    buildStatusBar(built);
    takeControls(built);
    wireEvents(built);
    showSettings();
    saveStateAfterEdits();
    setAcceptDrops(true);
}

// The window holds exactly what an item file of its controls would: read it the way opening one does, so the
// window and velmora-cli can never tell one item two ways.
CartItem Form1::currentItem() const {
    return velmora::cartItemFromRecord(BuildItemRecord());
}

void Form1::cmdMakeForm_Click() {
    publish(velmora::BuildButtonForm(currentItem(), m_settings, velmora::moneyLocale()));
    tellOfAmountsMade();
}

void Form1::cmdMakeLink_Click() {
    publish(velmora::BuildCartLink(currentItem(), m_settings, velmora::moneyLocale()));
    tellOfAmountsMade();
}

void Form1::mnuViewCartForm_Click() {
    publish(velmora::BuildViewCartForm(m_settings));
}

void Form1::mnuViewCartLink_Click() {
    publish(velmora::BuildViewCartLink(m_settings));
}

void Form1::publish(const QString& text) {
    warnOfUnusableAccount();
    m_txtCode->setPlainText(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    // Another program can hold or grab the clipboard; then the notice would tell a falsehood.
    if (clipboard->text() != text) {
        velmora::showMessage(
            {.text = QStringLiteral("The text could not be put on the clipboard. Copy it from the code box."),
             .icon = QMessageBox::Warning,
             .parent = this});
        return;
    }
    // A running notice carries on undisturbed; restarting the timer would stretch it.
    if (!m_Timer1->isActive())
        m_Timer1->start();
}

// Payments to the placeholder or to a mistyped account reach nobody. The text stays until a usable account is saved,
// in the status bar, where it neither stops the merchant nor covers a control.
void Form1::warnOfUnusableAccount() {
    if (!velmora::isUsableMerchantAccount(m_settings.eMail))
        m_statusLine->post(velmora::StatusLine::Account, QString(velmora::unusableAccountWarning));
}

// Blinks the notice: shown on odd ticks, hidden on even ones, done at the eleventh.
void Form1::Timer1_Timer() {
    ++DaInteger;
    if (!m_lblCopiedtoClipboard->isHidden()) {
        m_lblCopiedtoClipboard->hide();
        return;
    }
    m_lblCopiedtoClipboard->show();
    if (DaInteger > 10) {
        m_Timer1->stop();
        m_lblCopiedtoClipboard->hide();
        DaInteger = 0;
    }
}
