#include "ui/dialogs/frmOptions.h"

#include "model/CartCurrency.h"
#include "model/MerchantSettings.h"
#include "store/MerchantField.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"
#include "ui/dialogs/StoreProblemNotice.h"
#include "ui/kit/AppIcon.h"
#include "ui/kit/ControlRows.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

constexpr std::size_t SettingCount = 8;
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
}};

// The rows beyond the five the layout was drawn with.
constexpr int ExtraRowsTwips = static_cast<int>(SettingCount - 5) * 360;

// The account may be given by its merchant ID as well as by an e-mail address.
constexpr auto EmailHint = "or your 13-character merchant ID"_L1;

// Each setting in a row of the grid, its control before its label; then the hint beside the e-mail box and the two
// buttons, which the dialog places itself. The focus goes through the controls, then to the buttons.
std::vector<ControlRow> dialogRows() {
    std::vector<ControlRow> rows;
    for (std::size_t i = 0; i < settingRows.size(); ++i) {
        const Setting& setting = settingRows[i];
        const int row = static_cast<int>(i);
        const bool ownCaption = setting.kind == ControlKind::CheckBox;
        // The e-mail box gives up the room of its hint; every other control spans both columns.
        rows.push_back({.kind = setting.kind,
                        .name = QLatin1StringView(setting.control),
                        .tabIndex = row,
                        .cell = {row, 1, i == 0 ? 1 : 2},
                        .caption = ownCaption ? QLatin1StringView(setting.caption) : QLatin1StringView()});
        if (setting.label)
            rows.push_back({.kind = ControlKind::Label,
                            .name = QLatin1StringView(setting.label),
                            .tabIndex = row,
                            .cell = {row, 0},
                            .caption = QLatin1StringView(setting.caption),
                            .labelFor = QLatin1StringView(setting.control)});
    }
    // Greyed, as a hint reads.
    rows.push_back({.kind = ControlKind::Label,
                    .name = u"lblEmailHint"_s,
                    .cell = {0, 2},
                    .caption = EmailHint,
                    .disabled = true});
    rows.push_back({.kind = ControlKind::CommandButton,
                    .name = u"Command1"_s,
                    .tabIndex = int(SettingCount),
                    .caption = u"Save and Close."_s});
    rows.push_back({.kind = ControlKind::CommandButton,
                    .name = u"Command2"_s,
                    .tabIndex = int(SettingCount) + 1,
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
    m_controls[0]->setFocus();
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
    emit saved();
}
