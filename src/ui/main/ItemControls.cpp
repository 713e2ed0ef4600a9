#include "ui/main/ItemControls.h"

#include <array>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
namespace Id = ItemValueId;

constexpr std::array<ItemControl, Id::Count> rows{{
    {Id::ItemName, "txtItemName"_L1},
    {Id::ItemID, "txtItemID"_L1},
    {Id::Price, "txtPrice"_L1},
    {Id::Shipping1, "txtShipping1"_L1},
    {Id::Shipping2, "txtShippingAdd"_L1},
    {Id::Option1Active, "chkOption1Active"_L1},
    {Id::Option1Name, "txtOptName1"_L1},
    {Id::Option1DropDown, "optSet1DropDown"_L1},
    {Id::Option1TextBox, "optSet1TextBox"_L1},
    {Id::Option1Values + 0, "txtOptSet1(0)"_L1},
    {Id::Option1Values + 1, "txtOptSet1(1)"_L1},
    {Id::Option1Values + 2, "txtOptSet1(2)"_L1},
    {Id::Option1Values + 3, "txtOptSet1(3)"_L1},
    {Id::Option1Values + 4, "txtOptSet1(4)"_L1},
    {Id::Option1Values + 5, "txtOptSet1(5)"_L1},
    {Id::Option1Values + 6, "txtOptSet1(6)"_L1},
    {Id::Option1Values + 7, "txtOptSet1(7)"_L1},
    {Id::Option1Values + 8, "txtOptSet1(8)"_L1},
    {Id::Option1Values + 9, "txtOptSet1(9)"_L1},
    {Id::Option2Active, "chkOption2Active"_L1},
    {Id::Option2Name, "txtOptName2"_L1},
    {Id::Option2DropDown, "optSet2DropDown"_L1},
    {Id::Option2TextBox, "optSet2TextBox"_L1},
    {Id::Option2Values + 0, "txtOptSet2(0)"_L1},
    {Id::Option2Values + 1, "txtOptSet2(1)"_L1},
    {Id::Option2Values + 2, "txtOptSet2(2)"_L1},
    {Id::Option2Values + 3, "txtOptSet2(3)"_L1},
    {Id::Option2Values + 4, "txtOptSet2(4)"_L1},
    {Id::Option2Values + 5, "txtOptSet2(5)"_L1},
    {Id::Option2Values + 6, "txtOptSet2(6)"_L1},
    {Id::Option2Values + 7, "txtOptSet2(7)"_L1},
    {Id::Option2Values + 8, "txtOptSet2(8)"_L1},
    {Id::Option2Values + 9, "txtOptSet2(9)"_L1},
    {Id::ShippingAddress, "chkShippingAddress"_L1},
    {Id::Note, "chkNote"_L1},
    {Id::NoteTitle, "txtNote"_L1},
    {Id::ButtonType, "cboButtonType"_L1},
    {Id::SubPeriod, "txtSubPeriod"_L1},
    {Id::SubUnit, "cboSubUnit"_L1},
    {Id::SubTimes, "txtSubTimes"_L1},
    {Id::TrialAmount, "txtTrialAmount"_L1},
    {Id::TrialPeriod, "txtTrialPeriod"_L1},
    {Id::TrialUnit, "cboTrialUnit"_L1},
    {Id::Option1Prices + 0, "txtOptPrice1(0)"_L1},
    {Id::Option1Prices + 1, "txtOptPrice1(1)"_L1},
    {Id::Option1Prices + 2, "txtOptPrice1(2)"_L1},
    {Id::Option1Prices + 3, "txtOptPrice1(3)"_L1},
    {Id::Option1Prices + 4, "txtOptPrice1(4)"_L1},
    {Id::Option1Prices + 5, "txtOptPrice1(5)"_L1},
    {Id::Option1Prices + 6, "txtOptPrice1(6)"_L1},
    {Id::Option1Prices + 7, "txtOptPrice1(7)"_L1},
    {Id::Option1Prices + 8, "txtOptPrice1(8)"_L1},
    {Id::Option1Prices + 9, "txtOptPrice1(9)"_L1},
    {Id::BuyerQuantity, "chkBuyerQuantity"_L1},
    {Id::MaxQuantity, "txtMaxQuantity"_L1},
    {Id::TaxRate, "txtTaxRate"_L1},
    {Id::Handling, "txtHandling"_L1},
    {Id::Weight, "txtWeight"_L1},
    {Id::WeightUnit, "cboWeightUnit"_L1},
    {Id::Advanced, "txtAdvanced"_L1},
}};

// Every value has its control, and they come in the values' own order.
constexpr bool inValueOrder() {
    for (int i = 0; i < int(rows.size()); ++i) {
        if (rows[i].id != i)
            return false;
    }
    return true;
}
static_assert(inValueOrder());

} // namespace

std::span<const ItemControl> itemControls() {
    return rows;
}

} // namespace velmora
