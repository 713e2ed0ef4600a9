#include "ui/main/StatusNotices.h"

#include "model/ItemValues.h"
#include "model/MerchantAccount.h"
#include "model/MerchantSettings.h"
#include "ui/kit/ControlValues.h"
#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"
#include "ui/main/ItemFields.h"
#include "ui/main/MoneyNotice.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace velmora {

StatusNotices::StatusNotices(const ItemFields& fields, StatusLine& line, const MerchantSettings& settings)
    : m_fields(fields), m_line(line), m_settings(settings) {
    // What the line says of a field's text holds until the text changes, by the user or by code.
    for (const ItemValue& value : itemValues()) {
        if (value.kind == ItemValueKind::Money)
            onValueChanged(m_fields.control(value.id), this, [this, id = value.id] { m_line.drop(id); });
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

void StatusNotices::settingsSaved() {
    if (m_line.holds(StatusLine::Account) && isUsableMerchantAccount(m_settings.eMail))
        m_line.drop(StatusLine::Account);
}

QString StatusNotices::noticeOf(int id, const QString& typed) const {
    const MoneyField money{fieldName(id), id == ItemValueId::Price, typed, textOf(id)};
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
