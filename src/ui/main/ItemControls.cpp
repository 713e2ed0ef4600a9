#include "ui/main/ItemControls.h"

#include <vector>

namespace velmora {

namespace {

using namespace Qt::StringLiterals;
namespace Id = ItemValueId;

// The controls that stand alone; the arrays follow below.
std::vector<ItemControl> singleControls() {
    return {
        {Id::ItemName, u"txtItemName"_s},
        {Id::ItemID, u"txtItemID"_s},
        {Id::Price, u"txtPrice"_s},
        {Id::Shipping1, u"txtShipping1"_s},
        {Id::Shipping2, u"txtShippingAdd"_s},
        {Id::Option1Active, u"chkOption1Active"_s},
        {Id::Option1Name, u"txtOptName1"_s},
        {Id::Option1DropDown, u"optSet1DropDown"_s},
        {Id::Option1TextBox, u"optSet1TextBox"_s},
        {Id::Option2Active, u"chkOption2Active"_s},
        {Id::Option2Name, u"txtOptName2"_s},
        {Id::Option2DropDown, u"optSet2DropDown"_s},
        {Id::Option2TextBox, u"optSet2TextBox"_s},
        {Id::ShippingAddress, u"chkShippingAddress"_s},
        {Id::Note, u"chkNote"_s},
        {Id::NoteTitle, u"txtNote"_s},
        {Id::ButtonType, u"cboButtonType"_s},
        {Id::SubPeriod, u"txtSubPeriod"_s},
        {Id::SubUnit, u"cboSubUnit"_s},
        {Id::SubTimes, u"txtSubTimes"_s},
        {Id::TrialAmount, u"txtTrialAmount"_s},
        {Id::TrialPeriod, u"txtTrialPeriod"_s},
        {Id::TrialUnit, u"cboTrialUnit"_s},
        {Id::BuyerQuantity, u"chkBuyerQuantity"_s},
        {Id::MaxQuantity, u"txtMaxQuantity"_s},
        {Id::TaxRate, u"txtTaxRate"_s},
        {Id::Handling, u"txtHandling"_s},
        {Id::Weight, u"txtWeight"_s},
        {Id::WeightUnit, u"cboWeightUnit"_s},
        {Id::Advanced, u"txtAdvanced"_s},
    };
}

// The ten boxes of an array, each named with its index: "txtOptSet1(0)".
void addArray(std::vector<ItemControl>& controls, int firstId, QLatin1StringView name) {
    for (int i = 0; i < 10; ++i)
        controls.push_back({firstId + i, u"%1(%2)"_s.arg(name).arg(i)});
}

// In the values' own order, whatever order they were listed in; every value must have its control.
std::vector<ItemControl> inValueOrder() {
    std::vector<ItemControl> listed = singleControls();
    addArray(listed, Id::Option1Values, "txtOptSet1"_L1);
    addArray(listed, Id::Option2Values, "txtOptSet2"_L1);
    addArray(listed, Id::Option1Prices, "txtOptPrice1"_L1);
    std::vector<ItemControl> ordered(Id::Count);
    for (ItemControl& control : listed)
        ordered[std::size_t(control.id)] = std::move(control);
    for (std::size_t id = 0; id < ordered.size(); ++id) {
        if (ordered[id].name.isEmpty())
            qFatal("The item value %zu has no control", id);
    }
    return ordered;
}

} // namespace

std::span<const ItemControl> itemControls() {
    static const std::vector<ItemControl> controls = inValueOrder();
    return controls;
}

} // namespace velmora
