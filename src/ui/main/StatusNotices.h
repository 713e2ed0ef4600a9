#pragma once

#include <QObject>

namespace velmora {

class ItemFields;
class StatusLine;
struct CartItem;
struct MerchantSettings;

// What the status line tells of money: a money field's text that held no number, a negative amount, another
// currency or a price of nothing, kept until the field's text changes; an account payments would not reach, kept
// until a usable one is saved; and what the item holds that its kind of button leaves out, while it does.
class StatusNotices : public QObject {
    Q_OBJECT
public:
    StatusNotices(const ItemFields& fields, StatusLine& line, const MerchantSettings& settings);

    // The item changed: what its button leaves out, and whether its price is what the buyer pays.
    void tellOfItem(const CartItem& item);
    // The user left the field, which held typed and now holds its rewritten text.
    void tellOfField(int id, const QString& typed);
    // Amounts that reached the fields some other way (opened, restored) are told of too before they go out; what
    // the line already says of a field stays unless there is something to say now.
    void tellOfAmountsMade();
    void warnOfUnusableAccount();
    // Once a window: a cart or Buy Now button was made while no payment link could be, and PayPal may stop taking
    // payments through such buttons.
    void tellOfRetirement(const CartItem& item);
    // The settings were saved: a usable account takes the warning back.
    void settingsSaved();

private:
    QString noticeOf(int id, const QString& typed) const;
    QString fieldName(int id) const;
    QString textOf(int id) const;

    const ItemFields& m_fields;
    StatusLine& m_line;
    const MerchantSettings& m_settings;
    bool m_retirementTold = false;
    bool m_buyerPaysThePrice = true; // else an empty price is no price of nothing: a donor's choice, the options'
};

} // namespace velmora
