#pragma once
// Machining categories of sub-holes, told apart by fixed ranges of their identifier.
#include <CategoryColors.h>

#include <algorithm>
#include <cstdint>

enum class HoleCategory
{
    Drill,        // 101..199
    Boring,       // 201..299
    Reamer,       // 301..399
    Tap,          // 401..499, the one category with a second colour
    Counterbore,  // 501..599
    JG,           // 601..699
    JB,           // 701..799
    WC,           // 801..899
    Milling,      // 901..999
    Slot,         // 1001..1099
    Undetermined, // every other identifier, negative ones included
};

constexpr int HoleCategoryCount = 11;

// The category of a sub-hole identifier; both ends of every range belong to it. Inline and free
// of branches, since the recolouring pass runs it once per sub-hole and a drawing mixes its
// categories in no order a processor could predict.
inline HoleCategory ClassifyHoleId(int32_t identifier)
{
    // 0..998 for 101..1099; every other identifier, negative ones included, lands above 998.
    const uint32_t offset = static_cast<uint32_t>(identifier) - 101u;
    // The ranges follow each other a hundred apart: 0..9 inside them, 10 and more beyond.
    const uint32_t range = offset / 100u;
    // 1 for the hundreds 200, 300, ... 1000 that lie between two ranges, else 0.
    const uint32_t between = (offset % 100u + 1u) / 100u;
    const uint32_t undetermined = static_cast<uint32_t>(HoleCategory::Undetermined);
    return static_cast<HoleCategory>(std::min(range + 16u * between, undetermined));
}

// The CategoryColors slot whose colour number goes into a sub-hole's color field.
CategorySlot ColorSlotOf(HoleCategory category);
