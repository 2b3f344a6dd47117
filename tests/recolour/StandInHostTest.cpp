// The stand-in host must notice the faults that the tests of the module rely on it to catch.
#include "StandInDrawing.h"

#include <gtest/gtest.h>

TEST(StandInHost, CountsDoubleFreesForeignAmendsAndLeakedRecords)
{
    PavStubReset();
    AddPickableHole(4, { MakeSubHole(101, 0, 0, 1) });
    HoleRecord record{};
    ASSERT_EQ(PavHolGetHoleData2(4, &record), 0);
    EXPECT_EQ(StandInStats().outstandingRecords, 1);

    HoleRecord copy = record;
    copy.subHoles = nullptr;
    EXPECT_EQ(PavHolAmendHoleData2(4, &copy), -1) << "an array not handed out for the hole";
    EXPECT_EQ(PavHolAmendHoleData2(99, &record), -1) << "an unknown hole id";
    EXPECT_EQ(PavHolAmendHoleData2(4, &record), 0);
    PavHolFreeHoleData2(&record);
    PavHolFreeHoleData2(&record);

    EXPECT_EQ(PavStubGetHoleAmendCount(4), 1) << "only the accepted amend counts";
    EXPECT_EQ(PavStubGetHoleAmendCount(99), -1);

    const PavStubStats stats = StandInStats();
    EXPECT_EQ(stats.badAmends, 2);
    EXPECT_EQ(stats.holeFrees, 1);
    EXPECT_EQ(stats.badFrees, 1);
    EXPECT_EQ(stats.outstandingRecords, 0);
    PavStubReset();
}

TEST(StandInHost, IteratorWritesMoreThanEightBytesPerItem)
{
    PavStubReset();
    PavStubPick(PavStubAddEntity(7, 8, -1));
    void* handle = PavIddOpenSelIdData(1, nullptr, nullptr, nullptr);
    unsigned char buffer[64] = {};
    ASSERT_EQ(PavIddGetHeadSelIdData(handle, buffer), 0);
    EXPECT_EQ(PavIddGetNextSelIdData(handle, buffer), -1);
    PavIddCloseSelIdData(handle);

    const int32_t words[2] = { 7, 8 };
    EXPECT_EQ(std::memcmp(buffer, words, 8), 0);
    EXPECT_EQ(buffer[PAVSTUB_PICKITEM_BYTES_WRITTEN - 1], 0xA5);
    EXPECT_EQ(buffer[PAVSTUB_PICKITEM_BYTES_WRITTEN], 0);
    PavStubReset();
}
