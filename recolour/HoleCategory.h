#pragma once
// Machining categories of sub-holes, told apart by fixed ranges of their identifier.
#include <CategoryColors.h>

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

// The category of every identifier by its offset from 101, the low end of the first range: offsets
// 0..998 cover 101..1099, and 999 stands for every identifier below, between or beyond the ranges.
struct HoleCategoryTable
{
    uint8_t categoryAt[1000];
};

constexpr HoleCategoryTable MakeHoleCategoryTable()
{
    HoleCategoryTable table = {};
    for (int offset = 0; offset < 1000; ++offset) {
        // The ranges follow each other a hundred apart; 99 past a low end lie the hundreds 200,
        // 300, ... 1000 between two ranges, and at 999 identifier 1100.
        const bool inRange = offset % 100 != 99;
        table.categoryAt[offset] = static_cast<uint8_t>(inRange ? offset / 100 : static_cast<int>(HoleCategory::Undetermined));
    }
    return table;
}

inline constexpr HoleCategoryTable kHoleCategoryTable = MakeHoleCategoryTable();

// The category of a sub-hole identifier; both ends of every range belong to it. Inline, free of
// branches and a single look-up, since the recolouring pass runs it once per sub-hole and a
// drawing mixes its categories in no order a processor could predict.
inline HoleCategory ClassifyHoleId(int32_t identifier)
{
    // Negative identifiers and those below 101 wrap round to offsets far above 998.
    const uint32_t offset = static_cast<uint32_t>(identifier) - 101u;
    const uint32_t clamped = offset < 999u ? offset : 999u;
    return static_cast<HoleCategory>(kHoleCategoryTable.categoryAt[clamped]);
}

// The CategoryColors slot whose colour number goes into a sub-hole's color field.
CategorySlot ColorSlotOf(HoleCategory category);
