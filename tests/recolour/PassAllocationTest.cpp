// The pass must not allocate: the record lives in a buffer of the pass, the sub-hole loop calls
// nothing. Every C++ allocation of this program is counted; the stand-in host's own allocations
// happen in PavLib.dll and are not.
#include "RecolourSelection.h"
#include "StandInDrawing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {
long s_allocations = 0;
}

void* operator new(std::size_t size)
{
    ++s_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

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

    const long before = s_allocations;
    ASSERT_GT(before, 0) << "the counter must see this program's allocations";
    RecolourSelection(nullptr, nullptr, nullptr);
    const long during = s_allocations - before;

    PavStubStats stats;
    PavStubGetStats(&stats);
    EXPECT_EQ(stats.holeAmends, 200);
    EXPECT_EQ(stats.holeFrees, 200);
    EXPECT_EQ(during, 0);
    PavStubReset();
}
