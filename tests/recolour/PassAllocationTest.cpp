// The pass must not allocate: the record lives in a buffer of the pass, the sub-hole loop calls
// nothing. Every C++ allocation of this program is counted; the stand-in host's own allocations
// happen in PavLib.dll and are not.
#include "AllocationCount.h"
#include "RecolourSelection.h"
#include "StandInDrawing.h"

#include <gtest/gtest.h>

TEST(RecolourSelectionAllocations, NoneInsideThePass)
{
    PavStubReset();
    PavStubSetCallLogging(0);
    std::vector<SubHoleRecord> subHoles;
    for (int i = 0; i < 16; ++i)
        subHoles.push_back(MakeSubHole(101 + 100 * (i % 11), 0, 0, static_cast<unsigned>(i)));
    for (int hole = 1; hole <= 200; ++hole)
        AddPickableHole(hole, subHoles);
    PavStubPick(PavStubAddEntity(1, 1, -1));
    PavStubPickAll();

    const long before = AllocationCount();
    ASSERT_GT(before, 0) << "the counter must see this program's allocations";
    RecolourSelection(nullptr, nullptr, nullptr);
    const long during = AllocationCount() - before;

    PavStubStats stats;
    PavStubGetStats(&stats);
    EXPECT_EQ(stats.holeAmends, 200);
    EXPECT_EQ(stats.holeFrees, 200);
    EXPECT_EQ(during, 0);
    PavStubReset();
}
