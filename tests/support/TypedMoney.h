#pragma once

// Money as merchants type it in their locales, and what the window and the payment page make of it: the one table
// the money reading is checked against, in the model, through the window and through velmora-cli.

#include <QList>
#include <QString>

struct TypedMoney {
    const char* locale;
    const char* what;
    QString typed;
    QString field;   // what the window's field holds once the merchant leaves it
    QString payment; // the amount the form sends, with cents
};

inline const QList<TypedMoney> TypedMoneyTexts{
    {"en_US", "currency symbol", QStringLiteral("$5"), QStringLiteral("5.00"), QStringLiteral("5.00")},
    {"en_US", "code after", QStringLiteral("5 USD"), QStringLiteral("5.00"), QStringLiteral("5.00")},
    {"en_US", "another currency's symbol", QStringLiteral("€5"), QStringLiteral("5.00"), QStringLiteral("5.00")},
    {"en_US", "symbol after", QStringLiteral("5 €"), QStringLiteral("5.00"), QStringLiteral("5.00")},
    {"en_US", "parentheses", QStringLiteral("(5)"), QStringLiteral("-5.00"), QStringLiteral("-5.00")},
    {"en_US", "blank grouping", QStringLiteral("1 234.5"), QStringLiteral("1234.50"), QStringLiteral("1234.50")},
    {"en_US", "letters", QStringLiteral("abc"), QStringLiteral("0.00"), QStringLiteral("abc")},
    {"en_US", "blanks", QStringLiteral("   "), QStringLiteral("0.00"), QStringLiteral("   ")},
    {"en_US", "exponent", QStringLiteral("1e300"), QStringLiteral("0.00"), QStringLiteral("1e300")},
    {"en_US", "number then letters", QStringLiteral("12abc"), QStringLiteral("0.00"), QStringLiteral("12abc")},
    {"en_US", "group of two", QStringLiteral("5,99"), QStringLiteral("0.00"), QStringLiteral("5,99")},
    {"de_DE", "payment notation", QStringLiteral("12.50"), QStringLiteral("12,50"), QStringLiteral("12.50")},
    {"de_DE", "payment notation, four decimals", QStringLiteral("1.5000"), QStringLiteral("1,50"),
     QStringLiteral("1.50")},
    {"de_DE", "grouped thousand", QStringLiteral("1.234"), QStringLiteral("1234,00"), QStringLiteral("1234.00")},
    {"de_DE", "grouped", QStringLiteral("1.234,50"), QStringLiteral("1234,50"), QStringLiteral("1234.50")},
    {"de_DE", "no group starts with zero", QStringLiteral("0.500"), QStringLiteral("0,50"), QStringLiteral("0.50")},
    {"de_DE", "English grouping", QStringLiteral("1,234.5"), QStringLiteral("0,00"), QStringLiteral("1,234.5")},
    {"de_AT", "grouped with the point", QStringLiteral("1.234,50"), QStringLiteral("1234,50"),
     QStringLiteral("1234.50")},
    {"de_AT", "grouped with U+00A0", QStringLiteral("1\u00A0234,50"), QStringLiteral("1234,50"),
     QStringLiteral("1234.50")},
    {"de_CH", "apostrophe", QStringLiteral("1'234.50"), QStringLiteral("1234.50"), QStringLiteral("1234.50")},
    {"de_CH", "the locale's own apostrophe", QStringLiteral("1\u2019234.50"), QStringLiteral("1234.50"),
     QStringLiteral("1234.50")},
    {"de_CH", "the locale's own currency", QStringLiteral("CHF 5"), QStringLiteral("5.00"), QStringLiteral("5.00")},
    {"es_ES", "grouped", QStringLiteral("1.234,50"), QStringLiteral("1234,50"), QStringLiteral("1234.50")},
    {"es_ES", "payment notation", QStringLiteral("12.50"), QStringLiteral("12,50"), QStringLiteral("12.50")},
    {"fr_FR", "grouped with U+202F", QStringLiteral("1\u202F234,50 €"), QStringLiteral("1234,50"),
     QStringLiteral("1234.50")},
    {"fr_FR", "grouped with the point", QStringLiteral("1.234,50"), QStringLiteral("1234,50"),
     QStringLiteral("1234.50")},
    {"ar_EG", "Arabic-Indic digits", QStringLiteral("١٬٢٣٤٫٥"), QStringLiteral("1234٫50"), QStringLiteral("1234.50")},
    {"ar_EG", "payment notation", QStringLiteral("12.50"), QStringLiteral("12٫50"), QStringLiteral("12.50")},
    {"ar_EG", "parentheses", QStringLiteral("(٥)"), QStringLiteral("\u061C-5٫00"), QStringLiteral("-5.00")},
    {"fa_IR", "Persian digits", QStringLiteral("۱۲٫۵"), QStringLiteral("12٫50"), QStringLiteral("12.50")},
    {"fa_IR", "payment notation", QStringLiteral("12.50"), QStringLiteral("12٫50"), QStringLiteral("12.50")},
    {"fa_IR", "the locale's minus, bidi mark and all", QStringLiteral("\u200E\u2212۵"),
     QStringLiteral("\u200E\u22125٫00"), QStringLiteral("-5.00")},
};
