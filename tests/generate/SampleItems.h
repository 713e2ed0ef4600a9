#pragma once

#include "model/CartItem.h"
#include "model/MerchantSettings.h"

#include <functional>

// The merchant of the worked examples: an account and no URLs, unless a case changes them.
inline velmora::MerchantSettings seller(const std::function<void(velmora::MerchantSettings&)>& change = {}) {
    velmora::MerchantSettings settings{QStringLiteral("SELLERID"), {}, {}, {}, {}};
    if (change)
        change(settings);
    return settings;
}

// An empty item that asks for a shipping address, so neither output carries "no_shipping" unless a case says so.
inline velmora::CartItem bare(const std::function<void(velmora::CartItem&)>& change = {}) {
    velmora::CartItem item;
    item.ShippingAddress = 1;
    if (change)
        change(item);
    return item;
}
