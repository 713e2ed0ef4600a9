#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <QList>
#include <QString>

#include <utility>

// Text a merchant may type that breaks naively built HTML or URLs.
inline const QList<std::pair<const char*, QString>> HostileValues{
    {"double quote", QStringLiteral("\"")},
    {"single quote", QStringLiteral("'")},
    {"script tag", QStringLiteral("<script>")},
    {"entity", QStringLiteral("&amp;")},
    {"ampersand", QStringLiteral("&")},
    {"equals", QStringLiteral("=")},
    {"hash", QStringLiteral("#")},
    {"percent", QStringLiteral("%")},
    {"plus", QStringLiteral("+")},
    {"blanks", QStringLiteral("  ")},
    {"tab", QStringLiteral("\t")},
    {"line breaks", QStringLiteral("\r\n")},
    {"accent", QStringLiteral("Café")},
    {"CJK", QStringLiteral("日本")},
    {"emoji", QStringLiteral("😀")},
};

// Each field gets its own value, hostile text at both ends, so a value landing in the wrong field shows too.
inline QString hostileField(const QString& hostile, const QString& field) {
    return hostile + field + hostile;
}

inline velmora::OptionSet hostileDropDown(const QString& hostile, const QString& field) {
    velmora::OptionSet set{1, hostileField(hostile, field), velmora::OptionSetKind::DropDown, {}};
    for (int i = 0; i < 10; ++i)
        set.Values[i] = hostileField(hostile, field + QString::number(i));
    return set;
}

inline velmora::CartItem hostileItem(const QString& hostile) {
    velmora::CartItem item;
    item.ItemName = hostileField(hostile, QStringLiteral("name"));
    item.ItemID = hostileField(hostile, QStringLiteral("id"));
    item.Price = hostileField(hostile, QStringLiteral("price"));
    item.Shipping1 = hostileField(hostile, QStringLiteral("ship"));
    item.Shipping2 = hostileField(hostile, QStringLiteral("ship2"));
    item.ShippingAddress = 1;
    item.Note = 1;
    item.NoteTitle = hostileField(hostile, QStringLiteral("note"));
    item.Option1 = hostileDropDown(hostile, QStringLiteral("size"));
    item.Option2 = hostileDropDown(hostile, QStringLiteral("color"));
    return item;
}

inline velmora::MerchantSettings hostileSettings(const QString& hostile) {
    velmora::MerchantSettings settings{
        hostileField(hostile, QStringLiteral("mail")), hostileField(hostile, QStringLiteral("logo")),
        hostileField(hostile, QStringLiteral("paid")), hostileField(hostile, QStringLiteral("cancelled")),
        hostileField(hostile, QStringLiteral("button"))};
    settings.ShoppingURL = hostileField(hostile, QStringLiteral("shop"));
    return settings;
}
