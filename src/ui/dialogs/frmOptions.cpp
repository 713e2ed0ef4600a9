#include "ui/dialogs/frmOptions.h"

#include "model/CartCurrency.h"
#include "model/MerchantSettings.h"
#include "paypal/PaymentLinkClient.h"
#include "store/MerchantField.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"
#include "ui/dialogs/ClientSecrets.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/StoreProblemNotice.h"
#include "ui/kit/AppIcon.h"
#include "ui/kit/ControlRows.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

using velmora::MerchantSettings;

using velmora::fromTwips;
using namespace Qt::StringLiterals;

namespace {

using velmora::ControlKind;
using velmora::ControlRow;

// The dialog's settings, top to bottom: a caption, and the control that edits a merchant setting. A check box
// carries its caption itself and has no label. The controls take the focus in this order.
struct Setting {
    const char* label;
    const char* caption;
    ControlKind kind;
    const char* control;
    velmora::MerchantField field;
};

constexpr std::size_t SettingCount = 10;
const std::array<Setting, SettingCount> settingRows = {{
    {"Label1", "e-mail:", ControlKind::TextBox, "txtEmail", &MerchantSettings::eMail},
    {"Label10", "store logo image location:", ControlKind::TextBox, "txtStoreLogoUrl", &MerchantSettings::StoreLogo},
    {"Label2", "Button Image location:", ControlKind::TextBox, "txtButtonImageURL", &MerchantSettings::ButtonImageURL},
    {"Label7", "Purchase Successful URL:", ControlKind::TextBox, "txtPurchaseSuccessUrl",
     &MerchantSettings::PurchaseSuccessURL},
    // A label despite its name: the caption of the cancel URL box.
    {"txtPurchaseCancelledUrl", "Purchase Cancelled URL:", ControlKind::TextBox, "txtPurchaseCancelUrl",
     &MerchantSettings::PurchaseCancelURL},
    {"lblShoppingUrl", "Continue Shopping URL:", ControlKind::TextBox, "txtShoppingUrl",
     &MerchantSettings::ShoppingURL},
    {"lblCurrency", "Currency:", ControlKind::List, "cboCurrency", &MerchantSettings::Currency},
    {nullptr, "Test payments in the sandbox (no real money)", ControlKind::CheckBox, "chkSandbox",
     &MerchantSettings::UseSandbox},
    {"lblClientID", "Client ID (payment links):", ControlKind::TextBox, "txtClientID", &MerchantSettings::ClientID},
    {"lblSandboxClientID", "Sandbox client ID:", ControlKind::TextBox, "txtSandboxClientID",
     &MerchantSettings::SandboxClientID},
}};

// The secret of each client ID, in the row under it. It is no merchant setting: it lives in the keyring.
struct SecretRow {
    const char* label;
    const char* caption;
    const char* control;
    std::size_t idSetting; // the row of its client ID among the settings
};
const std::array<SecretRow, 2> secretRows = {{
    {"lblClientSecret", "Client secret:", "txtClientSecret", 8},
    {"lblSandboxClientSecret", "Sandbox client secret:", "txtSandboxClientSecret", 9},
}};
constexpr std::size_t SandboxSetting = 7;

// The grid row of a setting: its place, pushed down by the secret rows above it.
int gridRow(std::size_t setting) {
    const auto above =
        std::ranges::count_if(secretRows, [setting](const SecretRow& r) { return r.idSetting < setting; });
    return int(setting + std::size_t(above));
}
constexpr int TestRow = int(SettingCount + secretRows.size());

// The rows beyond the five the layout was drawn with: the settings, the secrets, the connection test, and two
// lines of what it says.
constexpr int ExtraRowsTwips = (TestRow + 3 - 5) * 360;

// The account may be given by its merchant ID as well as by an e-mail address.
constexpr auto EmailHint = "or your 13-character merchant ID"_L1;

// A control's label, in the first column of its row.
ControlRow labelRow(const char* name, int row, const char* caption, const char* control) {
    return {.kind = ControlKind::Label,
            .name = QLatin1StringView(name),
            .tabIndex = row,
            .cell = {row, 0},
            .caption = QLatin1StringView(caption),
            .labelFor = QLatin1StringView(control)};
}

// Each setting in a row of the grid, its control before its label; then the hint beside the e-mail box and the two
// buttons, which the dialog places itself. The focus goes through the controls, then to the buttons.
std::vector<ControlRow> dialogRows() {
    std::vector<ControlRow> rows;
    for (std::size_t i = 0; i < settingRows.size(); ++i) {
        const Setting& setting = settingRows[i];
        const int row = gridRow(i);
        const bool ownCaption = setting.kind == ControlKind::CheckBox;
        // The e-mail box gives up the room of its hint; every other control spans both columns.
        rows.push_back({.kind = setting.kind,
                        .name = QLatin1StringView(setting.control),
                        .tabIndex = row,
                        .cell = {row, 1, i == 0 ? 1 : 2},
                        .caption = ownCaption ? QLatin1StringView(setting.caption) : QLatin1StringView()});
        if (setting.label)
            rows.push_back(labelRow(setting.label, row, setting.caption, setting.control));
    }
    for (const SecretRow& secret : secretRows) {
        const int row = gridRow(secret.idSetting) + 1;
        rows.push_back({.kind = ControlKind::TextBox,
                        .name = QLatin1StringView(secret.control),
                        .tabIndex = row,
                        .cell = {row, 1, 2}});
        rows.push_back(labelRow(secret.label, row, secret.caption, secret.control));
    }
    rows.push_back({.kind = ControlKind::CommandButton,
                    .name = u"cmdTestConnection"_s,
                    .tabIndex = TestRow,
                    .cell = {TestRow, 1},
                    .caption = u"&Test Connection"_s,
                    .tip = u"Asks PayPal for a token with the client ID and secret the sandbox switch selects"_s});
    rows.push_back({.kind = ControlKind::Label, .name = u"lblConnectionResult"_s, .cell = {TestRow + 1, 1, 2}});
    // Greyed, as a hint reads.
    rows.push_back({.kind = ControlKind::Label,
                    .name = u"lblEmailHint"_s,
                    .cell = {0, 2},
                    .caption = EmailHint,
                    .disabled = true});
    rows.push_back({.kind = ControlKind::CommandButton,
                    .name = u"Command1"_s,
                    .tabIndex = TestRow + 1,
                    .caption = u"Save and Close."_s});
    rows.push_back({.kind = ControlKind::CommandButton,
                    .name = u"Command2"_s,
                    .tabIndex = TestRow + 2,
                    .caption = u"Save and Keep Open."_s});
    return rows;
}

// The account's own currency first, then those the cart takes, each with its code as the value it stands for.
void fillCurrencyList(QComboBox& list) {
    list.addItem(QStringLiteral("Account default (no currency sent)"), QString());
    for (const velmora::CartCurrency& currency : velmora::CartCurrencies)
        list.addItem(currency.displayText(), currency.code.toString());
}

} // namespace

frmOptions::frmOptions(velmora::SettingsStore& store, MerchantSettings& settings)
    : QWidget(nullptr), m_store(store), m_settings(settings) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(velmora::appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout;
    const velmora::BuiltControls built = velmora::buildControls(dialogRows(), *this, grid);
    for (std::size_t i = 0; i < settingRows.size(); ++i)
        m_controls[i] = &built.get<QWidget>(QLatin1StringView(settingRows[i].control));
    fillCurrencyList(built.get<QComboBox>(u"cboCurrency"_s));
    m_controls[0]->setMinimumWidth(fromTwips(3000)); // a whole address still shows beside the hint
    m_controls[0]->setAccessibleDescription(EmailHint);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(makeButtons(built));
    setGeometry(fromTwips(2430), fromTwips(7170), fromTwips(8115), fromTwips(2865 + ExtraRowsTwips));

    static_assert(std::tuple_size_v<decltype(m_controls)> == SettingCount);
    // Load step: the controls show what the store holds.
    const MerchantSettings stored = velmora::loadMerchantSettings(m_store);
    for (std::size_t i = 0; i < settingRows.size(); ++i)
        velmora::setControlValue(*m_controls[i], velmora::fieldValue(stored, settingRows[i].field));
    setUpSecrets(built);
    m_controls[0]->setFocus();
}

QLineEdit& frmOptions::idBox(std::size_t pair) const {
    return *static_cast<QLineEdit*>(m_controls[secretRows[pair].idSetting]);
}

// Each secret box shows what the keyring holds for the client ID saved above it, unless the user typed first.
void frmOptions::setUpSecrets(const velmora::BuiltControls& built) {
    m_testResult = &built.get<QLabel>(u"lblConnectionResult"_s);
    m_testResult->setWordWrap(true);
    m_testResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (std::size_t i = 0; i < secretRows.size(); ++i) {
        auto& box = built.get<QLineEdit>(QLatin1StringView(secretRows[i].control));
        box.setEchoMode(QLineEdit::Password);
        m_secrets[i] = &box;
        const QString clientId = idBox(i).text();
        if (clientId.isEmpty())
            continue;
        velmora::findClientSecret(clientId, this, [this, i, clientId](const velmora::SecretLookup& found) {
            if (found.state == velmora::SecretState::Unavailable)
                tellKeyringProblem(found.problem);
            if (found.state != velmora::SecretState::Found || m_secrets[i]->isModified())
                return;
            m_secrets[i]->setText(found.secret);
            m_loadedSecrets[i] = {clientId, found.secret};
        });
    }
    auto& test = built.get<QPushButton>(u"cmdTestConnection"_s);
    connect(&test, &QPushButton::clicked, this, &frmOptions::testConnection);
}

// In the dialog rather than in a box of its own: the answer comes while the user works, and a modal box there could
// outlive the dialog closed under it.
void frmOptions::tellKeyringProblem(const QString& problem) {
    m_testResult->setText(velmora::keyringProblemNotice(problem));
}

// With the pair the sandbox switch selects now, saved or not, so that the merchant may try before saving.
void frmOptions::testConnection() {
    const bool sandbox = static_cast<QCheckBox*>(m_controls[SandboxSetting])->isChecked();
    const std::size_t pair = sandbox ? 1 : 0;
    const velmora::ClientCredentials credentials{idBox(pair).text().trimmed(), m_secrets[pair]->text()};
    const QString which = sandbox ? u"sandbox "_s : QString();
    if (credentials.clientId.isEmpty() || credentials.secret.isEmpty()) {
        m_testResult->setText(u"Enter the %1client ID and its secret first."_s.arg(which));
        return;
    }
    const velmora::ApiBase base = velmora::paymentLinkApiBase(sandbox);
    if (!base.ok()) {
        m_testResult->setText(base.error);
        return;
    }
    auto* button = findChild<QPushButton*>(u"cmdTestConnection"_s);
    button->setEnabled(false);
    m_testResult->setText(u"Asking PayPal…"_s);
    auto* client = new velmora::PaymentLinkClient(base.url, credentials, this);
    client->testConnection([this, client, button, which](const QString& error) {
        m_testResult->setText(error.isEmpty()
                                  ? u"The %1connection works: these credentials may publish payment links."_s.arg(which)
                                  : error);
        button->setEnabled(true);
        client->deleteLater();
    });
}

QLayout* frmOptions::makeButtons(const velmora::BuiltControls& built) {
    auto& saveAndClose = built.get<QPushButton>(u"Command1"_s);
    auto& saveAndKeepOpen = built.get<QPushButton>(u"Command2"_s);
    connect(&saveAndClose, &QPushButton::clicked, this, [this] {
        applyControls();
        close();
    });
    connect(&saveAndKeepOpen, &QPushButton::clicked, this, [this] {
        applyControls();
        emit mainWindowRequested();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(&saveAndKeepOpen);
    buttons->addStretch();
    buttons->addWidget(&saveAndClose);
    return buttons;
}

void frmOptions::showInstance(QPointer<frmOptions>& dialog, velmora::SettingsStore& store, MerchantSettings& settings,
                              QWidget* mainWindow) {
    if (!dialog) {
        dialog = new frmOptions(store, settings);
        if (mainWindow)
            connect(dialog, &frmOptions::mainWindowRequested, mainWindow, &QWidget::show);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Every close keeps what was typed: there is no way to discard edits.
void frmOptions::closeEvent(QCloseEvent* event) {
    applyControls();
    emit mainWindowRequested();
    event->accept();
}

// "Save and Keep Open." takes the button image URL too, so no visible field is left unsaved by a save.
void frmOptions::applyControls() {
    for (std::size_t i = 0; i < settingRows.size(); ++i)
        velmora::setFieldValue(m_settings, settingRows[i].field,
                               velmora::controlValue(*m_controls[i], velmora::fieldKind(settingRows[i].field)));
    velmora::saveMerchantSettings(m_store, m_settings);
    velmora::noticeStoreProblem(m_store, this);
    saveSecrets();
    emit saved();
}

// A secret goes to the keyring when it is new for its client ID. The dialog may be gone by the answer, so what the
// keyring says is told without it.
void frmOptions::saveSecrets() {
    for (std::size_t i = 0; i < secretRows.size(); ++i) {
        const QString clientId =
            std::get<QString>(velmora::fieldValue(m_settings, settingRows[secretRows[i].idSetting].field));
        const QString secret = m_secrets[i]->text();
        if (clientId.isEmpty() || secret.isEmpty() || m_loadedSecrets[i] == std::pair{clientId, secret})
            continue;
        m_loadedSecrets[i] = {clientId, secret};
        velmora::keepClientSecret(clientId, secret, qApp, [](const QString& problem) {
            if (!problem.isEmpty())
                velmora::showMessage({.text = velmora::keyringProblemNotice(problem),
                                      .icon = QMessageBox::Warning,
                                      .name = u"KeyringProblem"_s});
        });
    }
}
