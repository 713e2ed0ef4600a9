#pragma once

#include "store/RecordValues.h"

#include <initializer_list>
#include <utility>

// A record with the given fields, by their ItemValueId, and every other field empty.
inline velmora::ItemRecord recordWith(std::initializer_list<std::pair<int, QString>> fields) {
    velmora::ItemRecord record;
    for (const auto& [index, text] : fields)
        record[index] = text;
    return record;
}
