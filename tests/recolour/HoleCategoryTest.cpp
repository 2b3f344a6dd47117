#include "HoleCategory.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

TEST(ClassifyHoleId, BothEndsOfEveryRangeBelongToIt)
{
    const HoleCategory expected[] = {
        HoleCategory::Drill, HoleCategory::Boring, HoleCategory::Reamer, HoleCategory::Tap,
        HoleCategory::Counterbore, HoleCategory::JG, HoleCategory::JB, HoleCategory::WC,
        HoleCategory::Milling, HoleCategory::Slot,
    };
    for (int i = 0; i < 10; ++i) {
        const int low = 101 + 100 * i;
        SCOPED_TRACE(low);
        EXPECT_EQ(ClassifyHoleId(low), expected[i]);
        EXPECT_EQ(ClassifyHoleId(low + 49), expected[i]);
        EXPECT_EQ(ClassifyHoleId(low + 98), expected[i]);
        EXPECT_EQ(ClassifyHoleId(low - 1), HoleCategory::Undetermined);
        EXPECT_EQ(ClassifyHoleId(low + 99), HoleCategory::Undetermined);
    }
}

TEST(ClassifyHoleId, ZeroNegativeAndLargeAreUndetermined)
{
    for (int id : { 0, 1, 100, 1100, 5000, -1, -99, -101, INT_MIN, INT_MAX, INT_MIN + 101 })
        EXPECT_EQ(ClassifyHoleId(id), HoleCategory::Undetermined) << id;
}

TEST(ColorSlotOf, TapTakesTheFirstTapSlotAndUndeterminedTheFirstSlot)
{
    EXPECT_EQ(ColorSlotOf(HoleCategory::Tap), SlotTap);
    EXPECT_EQ(ColorSlotOf(HoleCategory::Counterbore), SlotCounterbore);
    EXPECT_EQ(ColorSlotOf(HoleCategory::Slot), SlotSlot);
    EXPECT_EQ(ColorSlotOf(HoleCategory::Undetermined), SlotUndetermined);
}

namespace {

// The rule as first written, a compare per range in ascending order, kept as the reference the
// branch-free classification must agree with.
HoleCategory ClassifyByRangeScan(int32_t identifier)
{
    for (int i = 0; i < HoleCategoryCount - 1; ++i) {
        const uint32_t low = static_cast<uint32_t>(101 + 100 * i);
        if (static_cast<uint32_t>(identifier) - low <= 98u)
            return static_cast<HoleCategory>(i);
    }
    return HoleCategory::Undetermined;
}

} // namespace

TEST(ClassifyHoleId, AgreesWithTheRangeScanAroundEveryBoundaryAndAtTheExtremes)
{
    // Both ends of every range and of every gap, the ends of the 32-bit values, and the identifier
    // whose offset from the first range is 2^31.
    std::vector<int64_t> boundaries = { INT_MIN, INT_MAX, 0, static_cast<int64_t>(INT_MIN) + 101 };
    for (int i = 0; i <= 10; ++i) {
        boundaries.push_back(100 + 100 * i);
        boundaries.push_back(101 + 100 * i);
        boundaries.push_back(199 + 100 * i);
    }
    int checked = 0;
    for (int64_t centre : boundaries) {
        for (int64_t id = centre - 3; id <= centre + 3; ++id) {
            if (id < INT_MIN || id > INT_MAX)
                continue;
            const int32_t identifier = static_cast<int32_t>(id);
            EXPECT_EQ(ClassifyHoleId(identifier), ClassifyByRangeScan(identifier)) << identifier;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 37 * 7 - 6);
}

TEST(ClassifyHoleId, AgreesWithTheRangeScanOnEveryIdentifierWithinTwoToThe24)
{
    for (int32_t id = -(1 << 24); id <= (1 << 24); ++id)
        ASSERT_EQ(ClassifyHoleId(id), ClassifyByRangeScan(id)) << id;
}

TEST(ClassifyHoleId, AgreesWithTheRangeScanOnRandomIdentifiers)
{
    // Uniform over all 32-bit values, and uniform over -2048..2047 where every category lies.
    std::mt19937 random(20261208u);
    for (int n = 0; n < (1 << 24); ++n) {
        const uint32_t bits = random();
        const int32_t anywhere = static_cast<int32_t>(bits);
        const int32_t nearRanges = static_cast<int32_t>(bits % 4096u) - 2048;
        ASSERT_EQ(ClassifyHoleId(anywhere), ClassifyByRangeScan(anywhere)) << anywhere;
        ASSERT_EQ(ClassifyHoleId(nearRanges), ClassifyByRangeScan(nearRanges)) << nearRanges;
    }
}
