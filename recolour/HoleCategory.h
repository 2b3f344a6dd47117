#pragma once
// Machining categories of sub-holes: the one table of their facts (identifier range, the colour
// slots they write, their English name), and what follows from it at compile time: the
// branch-free classification, the slot of each colour field and the category of each slot. A new
// category is a row here, its slot rows in CategoryColorValues, and its row of controls in the
// settings dialog (ui/SwatchControls.h, which checks that it has one).
#include <CategoryColors.h>

#include <cstdint>
#include <initializer_list>

enum class HoleCategory
{
    Drill,
    Boring,
    Reamer,
    Tap,
    Counterbore,
    JG,
    JB,
    WC,
    Milling,
    Slot,
    Undetermined,
};

constexpr int HoleCategoryCount = static_cast<int>(HoleCategory::Undetermined) + 1;

// Sub-hole identifiers from `first` to `last`, both included.
struct IdRange
{
    int32_t first;
    int32_t last;

    constexpr bool IsEmpty() const { return first > last; }
    constexpr bool Holds(int32_t id) const { return id >= first && id <= last; }
};

// The range of the category that takes every identifier outside the other ranges.
inline constexpr IdRange EveryOtherIdentifier = { 1, 0 };

// One colour a category writes: the CategoryColors slot it comes from.
struct CategoryColor
{
    int slot = -1;  // -1: the field is not written

    constexpr bool IsWritten() const { return slot >= 0; }
};

struct HoleCategoryFacts
{
    HoleCategory category;
    IdRange ids;
    const wchar_t* name;   // in English as a sentence has it: "drill", "JG"
    CategoryColor color;   // written to a sub-hole's color field
    CategoryColor color2;  // written to its color2 field, which other categories leave alone
};

inline constexpr HoleCategoryFacts HoleCategories[HoleCategoryCount] = {
    { HoleCategory::Drill,        { 101, 199 },   L"drill",        { SlotDrill },        {} },
    { HoleCategory::Boring,       { 201, 299 },   L"boring",       { SlotBoring },       {} },
    { HoleCategory::Reamer,       { 301, 399 },   L"reamer",       { SlotReamer },       {} },
    { HoleCategory::Tap,          { 401, 499 },   L"tap",          { SlotTap },          { SlotTapSecond } },
    { HoleCategory::Counterbore,  { 501, 599 },   L"counterbore",  { SlotCounterbore },  {} },
    { HoleCategory::JG,           { 601, 699 },   L"JG",           { SlotJG },           {} },
    { HoleCategory::JB,           { 701, 799 },   L"JB",           { SlotJB },           {} },
    { HoleCategory::WC,           { 801, 899 },   L"WC",           { SlotWC },           {} },
    { HoleCategory::Milling,      { 901, 999 },   L"milling",      { SlotMilling },      {} },
    { HoleCategory::Slot,         { 1001, 1099 }, L"slot",         { SlotSlot },         {} },
    { HoleCategory::Undetermined, EveryOtherIdentifier, L"undetermined", { SlotUndetermined }, {} },
};

constexpr const HoleCategoryFacts& FactsOf(HoleCategory category)
{
    return HoleCategories[static_cast<int>(category)];
}

// The CategoryColors slot whose colour number goes into a sub-hole's color field.
constexpr CategorySlot ColorSlotOf(HoleCategory category)
{
    return static_cast<CategorySlot>(FactsOf(category).color.slot);
}

// A slot as the category colour it is: the category, and whether it is its second colour.
struct SlotUse
{
    HoleCategory category = HoleCategory::Undetermined;
    bool second = false;
    int uses = 0;  // how many colour fields name the slot; exactly one, checked below
};

struct SlotUses
{
    SlotUse ofSlot[CategorySlotCount];
};

constexpr SlotUses MakeSlotUses()
{
    SlotUses uses = {};
    for (const HoleCategoryFacts& facts : HoleCategories) {
        for (const CategoryColor* color : { &facts.color, &facts.color2 }) {
            if (color->IsWritten() && color->slot < CategorySlotCount) {
                SlotUse& use = uses.ofSlot[color->slot];
                use.category = facts.category;
                use.second = color == &facts.color2;
                ++use.uses;
            }
        }
    }
    return uses;
}

inline constexpr SlotUses CategorySlotUses = MakeSlotUses();

// The category colour of a slot, 0..CategorySlotCount-1.
constexpr const SlotUse& UseOfSlot(int slot)
{
    return CategorySlotUses.ofSlot[slot];
}

namespace hole_category_checks {

constexpr bool RowsFollowTheEnum()
{
    for (int i = 0; i < HoleCategoryCount; ++i) {
        if (static_cast<int>(HoleCategories[i].category) != i)
            return false;
    }
    return true;
}

constexpr bool EverySlotIsOneColourOfOneCategory()
{
    for (const HoleCategoryFacts& facts : HoleCategories) {
        if (!facts.color.IsWritten() || facts.color.slot >= CategorySlotCount ||
            facts.color2.slot >= CategorySlotCount)
            return false;
    }
    for (const SlotUse& use : CategorySlotUses.ofSlot) {
        if (use.uses != 1)
            return false;
    }
    return true;
}

// Exactly one category takes the identifiers outside every range, and no two ranges share one.
constexpr bool RangesAreApartAndOneCategoryTakesTheRest()
{
    int rest = 0;
    for (const HoleCategoryFacts& facts : HoleCategories) {
        if (facts.ids.IsEmpty()) {
            ++rest;
            continue;
        }
        for (const HoleCategoryFacts& other : HoleCategories) {
            if (&other != &facts && !other.ids.IsEmpty() && other.ids.first <= facts.ids.last &&
                facts.ids.first <= other.ids.last)
                return false;
        }
    }
    return rest == 1;
}

static_assert(RowsFollowTheEnum(), "HoleCategories lists the categories in the order of HoleCategory");
static_assert(EverySlotIsOneColourOfOneCategory(), "each slot is written by exactly one field of one category");
static_assert(RangesAreApartAndOneCategoryTakesTheRest(),
              "ranges do not overlap and one category takes every other identifier");

} // namespace hole_category_checks

// The lowest identifier of any range, and how many identifiers lie from it to the highest.
constexpr int32_t LowestRangedId()
{
    int32_t lowest = INT32_MAX;
    for (const HoleCategoryFacts& facts : HoleCategories)
        lowest = !facts.ids.IsEmpty() && facts.ids.first < lowest ? facts.ids.first : lowest;
    return lowest;
}

constexpr uint32_t RangedIdSpan()
{
    int32_t highest = LowestRangedId();
    for (const HoleCategoryFacts& facts : HoleCategories)
        highest = !facts.ids.IsEmpty() && facts.ids.last > highest ? facts.ids.last : highest;
    return static_cast<uint32_t>(highest) - static_cast<uint32_t>(LowestRangedId()) + 1u;
}

// The category of every identifier by its offset from the lowest ranged one: offsets 0 to
// RangedIdSpan()-1 cover the lowest to the highest, and RangedIdSpan() stands for every identifier
// below, between or beyond the ranges. A byte each, 1,000 for today's ranges.
struct HoleCategoryTable
{
    uint8_t categoryAt[RangedIdSpan() + 1];
};

constexpr HoleCategoryTable MakeHoleCategoryTable()
{
    HoleCategoryTable table = {};
    HoleCategory rest = HoleCategory::Undetermined;
    for (const HoleCategoryFacts& facts : HoleCategories) {
        if (facts.ids.IsEmpty())
            rest = facts.category;
    }
    const int32_t lowest = LowestRangedId();
    const uint32_t span = RangedIdSpan();
    for (uint32_t offset = 0; offset <= span; ++offset) {
        table.categoryAt[offset] = static_cast<uint8_t>(rest);
        const int32_t id = static_cast<int32_t>(static_cast<int64_t>(lowest) + offset);
        for (const HoleCategoryFacts& facts : HoleCategories) {
            if (offset < span && facts.ids.Holds(id))
                table.categoryAt[offset] = static_cast<uint8_t>(facts.category);
        }
    }
    return table;
}

inline constexpr HoleCategoryTable kHoleCategoryTable = MakeHoleCategoryTable();

// The category of a sub-hole identifier; both ends of every range belong to it. Inline, free of
// branches and a single look-up, since the recolouring pass runs it once per sub-hole and a
// drawing mixes its categories in no order a processor could predict.
constexpr HoleCategory ClassifyHoleId(int32_t identifier)
{
    // Identifiers below the lowest range, negative ones included, wrap round to offsets far above
    // the span.
    constexpr uint32_t span = RangedIdSpan();
    constexpr uint32_t lowest = static_cast<uint32_t>(LowestRangedId());
    const uint32_t offset = static_cast<uint32_t>(identifier) - lowest;
    const uint32_t clamped = offset < span ? offset : span;
    return static_cast<HoleCategory>(kHoleCategoryTable.categoryAt[clamped]);
}

// An identifier of the category: the first of its range, or for the category of every other
// identifier the one just below the lowest range.
constexpr int32_t ExampleIdOf(HoleCategory category)
{
    const IdRange ids = FactsOf(category).ids;
    return ids.IsEmpty() ? LowestRangedId() - 1 : ids.first;
}

namespace hole_category_checks {

constexpr bool EveryExampleIsOfItsCategory()
{
    for (const HoleCategoryFacts& facts : HoleCategories) {
        if (ClassifyHoleId(ExampleIdOf(facts.category)) != facts.category ||
            (!facts.ids.IsEmpty() && ClassifyHoleId(facts.ids.last) != facts.category))
            return false;
    }
    return true;
}

static_assert(EveryExampleIsOfItsCategory(), "the classification table follows the ranges");

} // namespace hole_category_checks
