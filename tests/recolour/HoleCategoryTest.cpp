#include "HoleCategory.h"

#include <gtest/gtest.h>

#include <climits>

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
