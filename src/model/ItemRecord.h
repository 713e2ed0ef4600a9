#pragma once

#include "model/CartItem.h"

#include <QList>
#include <QString>

namespace velmora {

// One item as texts, one for each of its values by id: what the window's controls hold and an item file stores.
// Flags are written as their state ("0", "1" or "2"), kind buttons as "1" or "0".
class ItemRecord {
public:
    // Every value of the item: the classic record's empty, the others at their defaults, as a file that does not
    // name them gives them.
    ItemRecord();
    // As many empty values as a table of that many rows has; for formats tried out on a table of their own.
    explicit ItemRecord(qsizetype valueCount) : m_texts(valueCount) {}

    QString& operator[](int id) { return m_texts[id]; }
    const QString& operator[](int id) const { return m_texts[id]; }
    qsizetype size() const { return m_texts.size(); }
    const QList<QString>& texts() const { return m_texts; }

    friend bool operator==(const ItemRecord&, const ItemRecord&) = default;

private:
    QList<QString> m_texts;
};

// The number a value's text reads as: the number at the start of its text, leading blanks skipped, in the C
// notation; 0 when the text starts with no number.
double fieldNumber(QStringView text);

// A flag's text as a check-box value: its number rounded to the nearest integer, halves to even. Readers refuse
// texts that round to anything but 0, 1 or 2; beyond that range this gives -1 or 3.
int checkBoxValue(QStringView text);

// A kind button's text: selected when its number is not 0.
bool booleanField(QStringView text);

// The item the main window holds once this record has been assigned to it, value by value in the table's order.
CartItem cartItemFromRecord(const ItemRecord& record);

} // namespace velmora
