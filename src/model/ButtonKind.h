#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <array>
#include <optional>

namespace velmora {

// The kinds of button an item can be made as.
enum class ButtonKind { Cart, BuyNow, Donate, Subscribe };

// How item files and the store name each kind, in the enum's order.
inline constexpr std::array<QLatin1StringView, 4> ButtonKindNames{
    QLatin1StringView("cart"), QLatin1StringView("buy-now"), QLatin1StringView("donate"),
    QLatin1StringView("subscribe")};

// The kind of that name, exactly as written; none for any other text.
inline std::optional<ButtonKind> buttonKindNamed(QStringView name) {
    for (std::size_t i = 0; i < ButtonKindNames.size(); ++i) {
        if (name == ButtonKindNames[i])
            return ButtonKind(i);
    }
    return std::nullopt;
}

} // namespace velmora
