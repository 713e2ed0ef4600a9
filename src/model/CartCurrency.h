#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace velmora {

// A currency the payment page takes for a cart.
struct CartCurrency {
    QStringView code;
    QStringView englishName;
    bool hasCents; // false: the payment page refuses decimals in its amounts

    // "EUR  Euro": how a list offers it.
    QString displayText() const;
};

inline constexpr std::array<CartCurrency, 24> CartCurrencies{{
    {u"AUD", u"Australian Dollar", true},  {u"BRL", u"Brazilian Real", true},
    {u"CAD", u"Canadian Dollar", true},    {u"CHF", u"Swiss Franc", true},
    {u"CNY", u"Chinese Renminbi", true},   {u"CZK", u"Czech Koruna", true},
    {u"DKK", u"Danish Krone", true},       {u"EUR", u"Euro", true},
    {u"GBP", u"Pound Sterling", true},     {u"HKD", u"Hong Kong Dollar", true},
    {u"HUF", u"Hungarian Forint", false},  {u"ILS", u"Israeli New Shekel", true},
    {u"JPY", u"Japanese Yen", false},      {u"MXN", u"Mexican Peso", true},
    {u"MYR", u"Malaysian Ringgit", true},  {u"NOK", u"Norwegian Krone", true},
    {u"NZD", u"New Zealand Dollar", true}, {u"PHP", u"Philippine Peso", true},
    {u"PLN", u"Polish Zloty", true},       {u"SEK", u"Swedish Krona", true},
    {u"SGD", u"Singapore Dollar", true},   {u"THB", u"Thai Baht", true},
    {u"TWD", u"New Taiwan Dollar", false}, {u"USD", u"U.S. Dollar", true},
}};

// The cart currency with this code in any letter case; nullptr for any other text, the empty one included.
const CartCurrency* findCartCurrency(QStringView code);

} // namespace velmora
