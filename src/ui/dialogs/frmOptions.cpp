#include "ui/dialogs/frmOptions.h"

#include "model/CartCurrency.h"
#include "model/MerchantSettings.h"
#include "store/MerchantField.h"
#include "store/MerchantStore.h"
#include "store/SettingsStore.h"
#include "ui/dialogs/StoreProblemNotice.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/AppIcon.h"
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

using velmora::MerchantSettings;

using velmora::fromTwips;
using namespace Qt::StringLiterals;

namespace {

enum class Kind { TextBox, CurrencyList, CheckBox };

// The dialog's rows, top to bottom: a caption, and the control that edits a merchant setting. A check box carries
// its caption itself and has no label. The controls take the focus in this order.
struct Row {
    const char* label;
    const char* caption;
    Kind kind;
    const char* control;
    velmora::MerchantField field;
};

constexpr std::size_t RowCount = 8;
const std::array<Row, RowCount> rows = {{
    {"Label1", "e-mail:", Kind::TextBox, "txtEmail", &MerchantSettings::eMail},
    {"Label10", "store logo image location:", Kind::TextBox, "txtStoreLogoUrl", &MerchantSettings::StoreLogo},
    {"Label2", "Button Image location:", Kind::TextBox, "txtButtonImageURL", &MerchantSettings::ButtonImageURL},
    {"Label7", "Purchase Successful URL:", Kind::TextBox, "txtPurchaseSuccessUrl",
     &MerchantSettings::PurchaseSuccessURL},
    // A label despite its name: the caption of the cancel URL box.
    {"txtPurchaseCancelledUrl", "Purchase Cancelled URL:", Kind::TextBox, "txtPurchaseCancelUrl",
     &MerchantSettings::PurchaseCancelURL},
    {"lblShoppingUrl", "Continue Shopping URL:", Kind::TextBox, "txtShoppingUrl", &MerchantSettings::ShoppingURL},
    {"lblCurrency", "Currency:", Kind::CurrencyList, "cboCurrency", &MerchantSettings::Currency},
    {nullptr, "Test payments in the sandbox (no real money)", Kind::CheckBox, "chkSandbox",
     &MerchantSettings::UseSandbox},
}};

// The rows beyond the five the layout was drawn with.
constexpr int ExtraRowsTwips = static_cast<int>(RowCount - 5) * 360;

// The account may be given by its merchant ID as well as by an e-mail address.
constexpr auto EmailHint = "or your 13-character merchant ID"_L1;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

// The account's own currency first, then those the cart takes, each with its code as the value it stands for.
QComboBox* createCurrencyList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->addItem(QStringLiteral("Account default (no currency sent)"), QString());
    for (const velmora::CartCurrency& currency : velmora::CartCurrencies)
        list->addItem(currency.displayText(), currency.code.toString());
    return list;
}

QWidget* createControl(const Row& row, QWidget* parent) {
    switch (row.kind) {
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::CurrencyList:
        return createCurrencyList(parent);
    case Kind::CheckBox:
        return new QCheckBox(QLatin1StringView(row.caption), parent);
    }
    Q_UNREACHABLE();
}

} // namespace

frmOptions::frmOptions(velmora::SettingsStore& store, MerchantSettings& settings)
    : QWidget(nullptr), m_store(store), m_settings(settings) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(velmora::appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeRows());
    layout->addStretch();
    layout->addLayout(makeButtons());
    setGeometry(fromTwips(2430), fromTwips(7170), fromTwips(8115), fromTwips(2865 + ExtraRowsTwips));

    static_assert(std::tuple_size_v<decltype(m_controls)> == RowCount);
    // Load step: the controls show what the store holds.
    const MerchantSettings stored = velmora::loadMerchantSettings(m_store);
    for (std::size_t i = 0; i < rows.size(); ++i)
        velmora::setControlValue(*m_controls[i], velmora::fieldValue(stored, rows[i].field));
    m_controls[0]->setFocus();
}

QLayout* frmOptions::makeRows() {
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        m_controls[i] = named(createControl(rows[i], this), rows[i].control);
        if (rows[i].label) {
            auto* label = named(new QLabel(QLatin1StringView(rows[i].caption), this), rows[i].label);
            grid->addWidget(label, row, 0);
            velmora::nameAfterLabel(*m_controls[i], *label);
        }
        // The e-mail box gives up the room of its hint; every other control spans both columns.
        grid->addWidget(m_controls[i], row, 1, 1, i == 0 ? 1 : 2);
    }

    m_controls[0]->setMinimumWidth(fromTwips(3000)); // a whole address still shows beside the hint
    auto* hint = named(new QLabel(EmailHint, this), "lblEmailHint");
    hint->setEnabled(false); // greyed, as a hint reads
    m_controls[0]->setAccessibleDescription(EmailHint);
    grid->addWidget(hint, 0, 2);
    return grid;
}

// Made after the controls, and each with its parent at once, so the focus goes on from them to these two.
QLayout* frmOptions::makeButtons() {
    auto* saveAndClose = named(new QPushButton(QStringLiteral("Save and Close."), this), "Command1");
    auto* saveAndKeepOpen = named(new QPushButton(QStringLiteral("Save and Keep Open."), this), "Command2");
    connect(saveAndClose, &QPushButton::clicked, this, [this] {
        applyControls();
        close();
    });
    connect(saveAndKeepOpen, &QPushButton::clicked, this, [this] {
        applyControls();
        emit mainWindowRequested();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveAndKeepOpen);
    buttons->addStretch();
    buttons->addWidget(saveAndClose);
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
    for (std::size_t i = 0; i < rows.size(); ++i)
        velmora::setFieldValue(m_settings, rows[i].field,
                               velmora::controlValue(*m_controls[i], velmora::fieldKind(rows[i].field)));
    velmora::saveMerchantSettings(m_store, m_settings);
    velmora::noticeStoreProblem(m_store, this);
    emit saved();
}
