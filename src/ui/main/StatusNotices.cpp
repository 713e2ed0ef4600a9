#include "ui/main/StatusNotices.h"

#include "generate/ItemProblems.h"
#include "generate/PaymentButton.h"
#include "model/CartItem.h"
#include "model/ItemValues.h"
#include "model/MerchantAccount.h"
#include "model/MerchantSettings.h"
#include "paypal/PaymentLinkBody.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"
#include "ui/main/ItemFields.h"
#include "ui/main/MoneyNotice.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;

constexpr auto cartRetirementNotice =
    "PayPal may retire cart and Buy Now buttons after 1 January 2027; a payment link keeps working. Enter a REST "
    "app's client ID and secret in Options, then Make, Publish as Payment Link."_L1;

// The client IDs stand for the pair: their secrets are in the keyring, which answers only later.
bool hasPaymentLinkCredentials(const MerchantSettings& settings) {
    return !settings.ClientID.isEmpty() || !settings.SandboxClientID.isEmpty();
}

// "a, b and c"
QString listed(const QStringList& parts) {
    if (parts.size() < 2)
        return parts.join(QString());
    return parts.first(parts.size() - 1).join(u", "_s) + u" and "_s + parts.last();
}

} // namespace

StatusNotices::StatusNotices(const ItemFields& fields, StatusLine& line, const MerchantSettings& settings)
    : m_fields(fields), m_line(line), m_settings(settings) {
    // What the line says of a field's text holds until the text changes, by the user or by code.
    for (const ItemValue& value : itemValues()) {
        if (value.kind == ItemValueKind::Money)
            onValueChanged(m_fields.control(value.id), this, [this, id = value.id] { m_line.drop(id); });
    }
}

void StatusNotices::tellOfItem(const CartItem& item) {
    if (const QStringList leftOut = valuesLeftOut(item); !leftOut.isEmpty())
        m_line.post(StatusLine::LeftOut,
                    u"Left out of the %1 button: %2"_s.arg(paymentButtonFor(item).alt, listed(leftOut)));
    else
        m_line.drop(StatusLine::LeftOut);
    // What the line says of the price may no longer hold for the item's kind.
    if (const bool pays = buyerPaysThePrice(item); pays != std::exchange(m_buyerPaysThePrice, pays)) {
        if (m_line.holds(ItemValueId::Price))
            tellOfField(ItemValueId::Price, textOf(ItemValueId::Price));
    }
}

void StatusNotices::tellOfField(int id, const QString& typed) {
    if (const QString notice = noticeOf(id, typed); !notice.isEmpty())
        m_line.post(id, notice);
    else
        m_line.drop(id);
}

void StatusNotices::tellOfAmountsMade() {
    for (const ItemValue& value : itemValues()) {
        if (value.kind != ItemValueKind::Money)
            continue;
        if (const QString notice = noticeOf(value.id, textOf(value.id)); !notice.isEmpty())
            m_line.post(value.id, notice);
    }
}

// Payments to the placeholder or to a mistyped account reach nobody. The text stays until a usable account is saved,
// in the status bar, where it neither stops the merchant nor covers a control.
void StatusNotices::warnOfUnusableAccount() {
    if (!isUsableMerchantAccount(m_settings.eMail))
        m_line.post(StatusLine::Account, QString(unusableAccountWarning));
}

void StatusNotices::tellOfRetirement(const CartItem& item) {
    // The kinds that retire are the ones a payment link stands in for.
    const bool retiring = paymentLinkKindRefusal(item).isEmpty();
    if (m_retirementTold || !retiring || hasPaymentLinkCredentials(m_settings))
        return;
    m_retirementTold = true;
    m_line.post(StatusLine::Retirement, QString(cartRetirementNotice));
}

void StatusNotices::settingsSaved() {
    if (m_line.holds(StatusLine::Account) && isUsableMerchantAccount(m_settings.eMail))
        m_line.drop(StatusLine::Account);
    if (m_line.holds(StatusLine::Retirement) && hasPaymentLinkCredentials(m_settings))
        m_line.drop(StatusLine::Retirement);
}

QString StatusNotices::noticeOf(int id, const QString& typed) const {
    const MoneyField money{fieldName(id), id == ItemValueId::Price && m_buyerPaysThePrice, typed, textOf(id)};
    return moneyNotice(money, moneyLocale(), m_settings.Currency);
}

// As the window labels the field, without the colon: "Shipping (1st)"; a field whose label is a copy of another's
// text (an option's price) as messages name it.
QString StatusNotices::fieldName(int id) const {
    const QWidget& field = m_fields.control(id);
    const QList<QLabel*> labels = field.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const auto label =
        std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) { return label->buddy() == &field; });
    if (label == labels.end())
        return itemValue(id).label;
    QString name = (*label)->text();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

QString StatusNotices::textOf(int id) const {
    return qobject_cast<const QLineEdit*>(&m_fields.control(id))->text();
}

} // namespace velmora
