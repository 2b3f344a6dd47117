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

// The category of a sub-hole identifier; both ends of every range belong to it.
HoleCategory ClassifyHoleId(int32_t identifier);

// The CategoryColors slot whose colour number goes into a sub-hole's color field.
CategorySlot ColorSlotOf(HoleCategory category);
