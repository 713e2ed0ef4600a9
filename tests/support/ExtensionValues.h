#pragma once

#include "model/ItemRecord.h"
#include "model/ItemValues.h"

#include <span>
#include <vector>

// The item's values and two more beyond the classic 36, for proving the formats that will carry such values before
// the item has any: a text with a default of its own, and a check box.
namespace extension {

inline constexpr int Note = velmora::ItemValueId::Count;
inline constexpr int Gift = Note + 1;

inline std::span<const velmora::ItemValue> itemValues() {
    using namespace Qt::StringLiterals;
    using velmora::ItemValueKind;
    static const std::vector<velmora::ItemValue> values = [] {
        std::vector<velmora::ItemValue> all(velmora::itemValues().begin(), velmora::itemValues().end());
        const auto nowhere = [](velmora::CartItem&, QStringView) {};
        all.push_back({Note, ItemValueKind::Text, "Test note"_L1, -1, "test.note"_L1, {}, {}, "Thank you"_L1, nowhere});
        all.push_back({Gift, ItemValueKind::Flag, "Test gift"_L1, -1, "test.gift"_L1, {}, {}, "0"_L1, nowhere});
        return all;
    }();
    return values;
}

// The classic record's texts, and the two values at their defaults.
inline velmora::ItemRecord recordOf(const velmora::ItemRecord& classic) {
    velmora::ItemRecord record(qsizetype(itemValues().size()));
    for (int id = 0; id < classic.size(); ++id)
        record[id] = classic[id];
    for (const int id : {Note, Gift})
        record[id] = itemValues()[id].defaultText;
    return record;
}

} // namespace extension
