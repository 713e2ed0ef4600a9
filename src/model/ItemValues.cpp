#include "model/ItemValues.h"

#include "model/ItemRecord.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
using enum ItemValueKind;
namespace Id = ItemValueId;

template <QString CartItem::*Field> QString* field(CartItem& item) {
    return &(item.*Field);
}

template <QString SubscriptionTerms::*Field> QString* termOf(CartItem& item) {
    return &(item.Subscription.*Field);
}

template <int CartItem::*Field> void flag(CartItem& item, QStringView value) {
    item.*Field = checkBoxValue(value);
}

template <OptionSet CartItem::*Set> void setActive(CartItem& item, QStringView value) {
    (item.*Set).Active = checkBoxValue(value);
}

// The window assigns the Drop Down Menu button first, so a set Text Box wins, and neither leaves no kind.
template <OptionSet CartItem::*Set, OptionSetKind Kind> void setKind(CartItem& item, QStringView value) {
    if (booleanField(value))
        (item.*Set).Kind = Kind;
}

template <OptionSet CartItem::*Set> QString* nameOf(CartItem& item) {
    return &(item.*Set).Name;
}

template <OptionSet CartItem::*Set, int Index> QString* valueOf(CartItem& item) {
    return &(item.*Set).Values[Index];
}

template <int Index> QString* priceOf(CartItem& item) {
    return &item.Option1.Prices[Index];
}

// Readers have refused a kind they do not know, or put the default in its place.
void buttonKind(CartItem& item, QStringView value) {
    item.Kind = buttonKindNamed(value).value_or(ButtonKind::Cart);
}

constexpr std::array PeriodUnits{"D"_L1, "W"_L1, "M"_L1, "Y"_L1};
constexpr std::array WeightUnits{"lbs"_L1, "kgs"_L1};

constexpr auto Settings = "Settings"_L1;
constexpr auto DropDowns = "DropDowns"_L1;

// clang-format off
constexpr std::array<ItemValue, Id::Count> values{{
    {Id::ItemName, Text, "Item name"_L1, 0, {}, Settings, "ItemName"_L1, {}, nullptr, field<&CartItem::ItemName>},
    {Id::ItemID, Text, "Item ID"_L1, 1, {}, Settings, "ItemID"_L1, {}, nullptr, field<&CartItem::ItemID>},
    {Id::Price, Money, "Price"_L1, 2, {}, Settings, "Price"_L1, {}, nullptr, field<&CartItem::Price>},
    {Id::Shipping1, Money, "Shipping, first item"_L1, 3, {}, Settings, "Shipping1"_L1, {}, nullptr, field<&CartItem::Shipping1>},
    {Id::Shipping2, Money, "Shipping, each additional item"_L1, 4, {}, Settings, "Shipping2"_L1, {},
     nullptr, field<&CartItem::Shipping2>},

    {Id::Option1Active, Flag, "Option set 1, in use"_L1, 5, {}, Settings, "UseOption1"_L1, "0"_L1,
     setActive<&CartItem::Option1>},
    {Id::Option1Name, Text, "Option set 1, name"_L1, 6, {}, Settings, "Option1Name"_L1, {}, nullptr, nameOf<&CartItem::Option1>},
    {Id::Option1DropDown, KindButton, "Option set 1, Drop Down Menu"_L1, 7, {}, Settings, "optSet1DropDown"_L1, "1"_L1,
     setKind<&CartItem::Option1, OptionSetKind::DropDown>},
    {Id::Option1TextBox, KindButton, "Option set 1, Text Box"_L1, 8, {}, Settings, "optSet1TextBox"_L1, "0"_L1,
     setKind<&CartItem::Option1, OptionSetKind::TextBox>},
    {Id::Option1Values + 0, OptionValue, "Option set 1, value 1"_L1, 9, {}, DropDowns, "Set1Box1"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 0>},
    {Id::Option1Values + 1, OptionValue, "Option set 1, value 2"_L1, 10, {}, DropDowns, "Set1Box2"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 1>},
    {Id::Option1Values + 2, OptionValue, "Option set 1, value 3"_L1, 11, {}, DropDowns, "Set1Box3"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 2>},
    {Id::Option1Values + 3, OptionValue, "Option set 1, value 4"_L1, 12, {}, DropDowns, "Set1Box4"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 3>},
    {Id::Option1Values + 4, OptionValue, "Option set 1, value 5"_L1, 13, {}, DropDowns, "Set1Box5"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 4>},
    {Id::Option1Values + 5, OptionValue, "Option set 1, value 6"_L1, 14, {}, DropDowns, "Set1Box6"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 5>},
    {Id::Option1Values + 6, OptionValue, "Option set 1, value 7"_L1, 15, {}, DropDowns, "Set1Box7"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 6>},
    {Id::Option1Values + 7, OptionValue, "Option set 1, value 8"_L1, 16, {}, DropDowns, "Set1Box8"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 7>},
    {Id::Option1Values + 8, OptionValue, "Option set 1, value 9"_L1, 17, {}, DropDowns, "Set1Box9"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 8>},
    {Id::Option1Values + 9, OptionValue, "Option set 1, value 10"_L1, 18, {}, DropDowns, "Set1Box10"_L1, {},
     nullptr, valueOf<&CartItem::Option1, 9>},

    {Id::Option2Active, Flag, "Option set 2, in use"_L1, 19, {}, Settings, "UseOption2"_L1, "0"_L1,
     setActive<&CartItem::Option2>},
    {Id::Option2Name, Text, "Option set 2, name"_L1, 20, {}, Settings, "Option2Name"_L1, {}, nullptr, nameOf<&CartItem::Option2>},
    {Id::Option2DropDown, KindButton, "Option set 2, Drop Down Menu"_L1, 21, {}, Settings, "optSet2DropDown"_L1, "1"_L1,
     setKind<&CartItem::Option2, OptionSetKind::DropDown>},
    {Id::Option2TextBox, KindButton, "Option set 2, Text Box"_L1, 22, {}, Settings, "optSet2TextBox"_L1, "0"_L1,
     setKind<&CartItem::Option2, OptionSetKind::TextBox>},
    {Id::Option2Values + 0, OptionValue, "Option set 2, value 1"_L1, 23, {}, DropDowns, "Set2Box1"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 0>},
    {Id::Option2Values + 1, OptionValue, "Option set 2, value 2"_L1, 24, {}, DropDowns, "Set2Box2"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 1>},
    {Id::Option2Values + 2, OptionValue, "Option set 2, value 3"_L1, 25, {}, DropDowns, "Set2Box3"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 2>},
    {Id::Option2Values + 3, OptionValue, "Option set 2, value 4"_L1, 26, {}, DropDowns, "Set2Box4"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 3>},
    {Id::Option2Values + 4, OptionValue, "Option set 2, value 5"_L1, 27, {}, DropDowns, "Set2Box5"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 4>},
    {Id::Option2Values + 5, OptionValue, "Option set 2, value 6"_L1, 28, {}, DropDowns, "Set2Box6"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 5>},
    {Id::Option2Values + 6, OptionValue, "Option set 2, value 7"_L1, 29, {}, DropDowns, "Set2Box7"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 6>},
    {Id::Option2Values + 7, OptionValue, "Option set 2, value 8"_L1, 30, {}, DropDowns, "Set2Box8"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 7>},
    {Id::Option2Values + 8, OptionValue, "Option set 2, value 9"_L1, 31, {}, DropDowns, "Set2Box9"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 8>},
    {Id::Option2Values + 9, OptionValue, "Option set 2, value 10"_L1, 32, {}, DropDowns, "Set2Box10"_L1, {},
     nullptr, valueOf<&CartItem::Option2, 9>},

    {Id::ShippingAddress, Flag, "Buyer provides a shipping address"_L1, 33, {}, Settings, "chkShippingAddress"_L1,
     "1"_L1, flag<&CartItem::ShippingAddress>},
    {Id::Note, Flag, "Buyer includes a note"_L1, 34, {}, Settings, "chkNote"_L1, "1"_L1, flag<&CartItem::Note>},
    {Id::NoteTitle, Text, "Note title"_L1, 35, {}, Settings, "txtNote"_L1, "Special Instructions"_L1,
     nullptr, field<&CartItem::NoteTitle>},

    // Beyond the classic record.
    {Id::ButtonType, Choice, "Kind of button"_L1, -1, "type"_L1, {}, {}, "cart"_L1, buttonKind, nullptr, ButtonKindNames},
    {Id::SubPeriod, Text, "Subscription, period"_L1, -1, "sub.period"_L1, {}, {}, {}, nullptr, termOf<&SubscriptionTerms::Period>},
    {Id::SubUnit, Choice, "Subscription, unit"_L1, -1, "sub.unit"_L1, {}, {}, "M"_L1, nullptr, termOf<&SubscriptionTerms::Unit>, PeriodUnits},
    {Id::SubTimes, Text, "Subscription, number of payments"_L1, -1, "sub.times"_L1, {}, {}, {}, nullptr, termOf<&SubscriptionTerms::Times>},
    {Id::TrialAmount, Money, "Trial, price"_L1, -1, "trial.amount"_L1, {}, {}, {}, nullptr, termOf<&SubscriptionTerms::TrialAmount>},
    {Id::TrialPeriod, Text, "Trial, period"_L1, -1, "trial.period"_L1, {}, {}, {}, nullptr, termOf<&SubscriptionTerms::TrialPeriod>},
    {Id::TrialUnit, Choice, "Trial, unit"_L1, -1, "trial.unit"_L1, {}, {}, "M"_L1, nullptr, termOf<&SubscriptionTerms::TrialUnit>, PeriodUnits},
    {Id::Option1Prices + 0, Money, "Option set 1, price 1"_L1, -1, "set1.price.0"_L1, {}, {}, {}, nullptr, priceOf<0>},
    {Id::Option1Prices + 1, Money, "Option set 1, price 2"_L1, -1, "set1.price.1"_L1, {}, {}, {}, nullptr, priceOf<1>},
    {Id::Option1Prices + 2, Money, "Option set 1, price 3"_L1, -1, "set1.price.2"_L1, {}, {}, {}, nullptr, priceOf<2>},
    {Id::Option1Prices + 3, Money, "Option set 1, price 4"_L1, -1, "set1.price.3"_L1, {}, {}, {}, nullptr, priceOf<3>},
    {Id::Option1Prices + 4, Money, "Option set 1, price 5"_L1, -1, "set1.price.4"_L1, {}, {}, {}, nullptr, priceOf<4>},
    {Id::Option1Prices + 5, Money, "Option set 1, price 6"_L1, -1, "set1.price.5"_L1, {}, {}, {}, nullptr, priceOf<5>},
    {Id::Option1Prices + 6, Money, "Option set 1, price 7"_L1, -1, "set1.price.6"_L1, {}, {}, {}, nullptr, priceOf<6>},
    {Id::Option1Prices + 7, Money, "Option set 1, price 8"_L1, -1, "set1.price.7"_L1, {}, {}, {}, nullptr, priceOf<7>},
    {Id::Option1Prices + 8, Money, "Option set 1, price 9"_L1, -1, "set1.price.8"_L1, {}, {}, {}, nullptr, priceOf<8>},
    {Id::Option1Prices + 9, Money, "Option set 1, price 10"_L1, -1, "set1.price.9"_L1, {}, {}, {}, nullptr, priceOf<9>},
    {Id::BuyerQuantity, Flag, "Buyer chooses the quantity"_L1, -1, "qty.buyer"_L1, {}, {}, "0"_L1, flag<&CartItem::BuyerQuantity>},
    {Id::MaxQuantity, Text, "Largest quantity"_L1, -1, "qty.max"_L1, {}, {}, {}, nullptr, field<&CartItem::MaxQuantity>},
    {Id::TaxRate, Text, "Tax rate"_L1, -1, "tax_rate"_L1, {}, {}, {}, nullptr, field<&CartItem::TaxRate>},
    {Id::Handling, Money, "Handling"_L1, -1, "handling"_L1, {}, {}, {}, nullptr, field<&CartItem::Handling>},
    {Id::Weight, Text, "Weight"_L1, -1, "weight"_L1, {}, {}, {}, nullptr, field<&CartItem::Weight>},
    {Id::WeightUnit, Choice, "Weight, unit"_L1, -1, "weight.unit"_L1, {}, {}, "lbs"_L1, nullptr, field<&CartItem::WeightUnit>, WeightUnits},
    {Id::Advanced, Text, "Advanced variables"_L1, -1, "advanced"_L1, {}, {}, {}, nullptr, field<&CartItem::Advanced>},
}};
// clang-format on

// The rows are looked up by id, the classic ones fill every field of the classic record once, and every other
// has a key of its own, which the store uses too.
constexpr bool wellFormed() {
    const auto textOf = [](QLatin1StringView text) { return std::string_view(text.data(), std::size_t(text.size())); };
    const auto keyOf = [&](const ItemValue& value) { return textOf(value.extensionKey); };
    std::array<bool, ClassicFieldCount> fieldTaken{};
    for (int i = 0; i < int(values.size()); ++i) {
        const ItemValue& value = values[i];
        if (value.id != i || value.isClassic() == !value.extensionKey.isEmpty())
            return false;
        if (value.isClassic() && (value.classicField >= ClassicFieldCount || fieldTaken[value.classicField]))
            return false;
        if (value.isClassic()) {
            fieldTaken[value.classicField] = true;
            continue;
        }
        if (!isExtensionKey(keyOf(value)) || !value.storeSection.isEmpty() || !value.storeKey.isEmpty())
            return false;
        // A choice must offer its own default, or every file would be damaged.
        if ((value.kind == Choice) == value.choices.empty())
            return false;
        if (value.kind == Choice && std::none_of(value.choices.begin(), value.choices.end(), [&](const auto& choice) {
                return textOf(choice) == textOf(value.defaultText);
            }))
            return false;
        for (int j = 0; j < i; ++j) {
            if (keyOf(values[j]) == keyOf(value))
                return false;
        }
    }
    for (const bool taken : fieldTaken) {
        if (!taken)
            return false;
    }
    return true;
}
static_assert(wellFormed());

} // namespace

bool ItemValue::offers(QStringView text) const {
    return std::find(choices.begin(), choices.end(), text) != choices.end();
}

std::span<const ItemValue> itemValues() {
    return values;
}

const ItemValue& itemValue(int id) {
    return values[id];
}

} // namespace velmora
