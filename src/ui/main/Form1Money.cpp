// What the window tells of the money the merchant typed: a text that held no number, a negative amount, another
// currency, a price of nothing. The status line keeps it until the field's text changes.
#include "ui/main/Form1.h"

#include "ui/kit/FieldFocus.h"
#include "ui/kit/StatusLine.h"
#include "ui/main/MoneyNotice.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using namespace velmora;

void Form1::tellOfMoneyField(int field, const QString& typed) {
    if (const QString notice = moneyNoticeOf(field, typed); !notice.isEmpty())
        m_statusLine->post(field, notice);
    else
        m_statusLine->drop(field);
}

// Amounts that reached the field some other way (opened, restored) are told of too before they go out; what the
// line already says of a field stays unless there is something to say now.
void Form1::tellOfAmountsMade() {
    for (int field : MoneyFields) {
        const QString text = qobject_cast<const QLineEdit*>(m_itemControls[field])->text();
        if (const QString notice = moneyNoticeOf(field, text); !notice.isEmpty())
            m_statusLine->post(field, notice);
    }
}

QString Form1::moneyNoticeOf(int field, const QString& typed) const {
    const QString holds = qobject_cast<const QLineEdit*>(m_itemControls[field])->text();
    const MoneyField money{moneyFieldName(field), field == ItemValueId::Price, typed, holds};
    return moneyNotice(money, moneyLocale(), m_settings.Currency);
}

// As the window labels the field, without the colon: "Shipping (1st)".
QString Form1::moneyFieldName(int field) const {
    const QList<QLabel*> labels = findChildren<QLabel*>();
    const auto label = std::find_if(labels.begin(), labels.end(),
                                    [&](const QLabel* label) { return label->buddy() == m_itemControls[field]; });
    QString name = (*label)->text();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}
