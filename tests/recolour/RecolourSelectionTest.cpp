#include "RecolourSelection.h"
#include "StandInDrawing.h"

#include <CategoryColors.h>

#include <gtest/gtest.h>

namespace {

const wchar_t kNoHoleId[] = L"장공의 구멍정보는 RESET할수 없습니다.";
const wchar_t kUnreadable[] = L"구멍데이터를 참조할수 없습니다.";

// Slot i holds 40 + i, so every written number tells which slot it came from.
int SlotColor(int slot) { return 40 + slot; }

class RecolourSelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PavStubReset();
        for (int slot = 0; slot < CategorySlotCount; ++slot)
            CategoryColors[slot] = SlotColor(slot);
    }

    void TearDown() override
    {
        const PavStubStats stats = StandInStats();
        EXPECT_EQ(stats.outstandingRecords, 0) << "a record read was never freed";
        EXPECT_EQ(stats.badFrees, 0);
        EXPECT_EQ(stats.badAmends, 0);
        EXPECT_EQ(stats.openIterators, 0);
        EXPECT_EQ(stats.badIteratorCalls, 0);
        PavStubReset();
    }

    void Run() { RecolourSelection(nullptr, nullptr, nullptr); }
};

// What the pass must leave: the color field from the slot, color2 from mColor402 for a tap only.
SubHoleRecord Recoloured(SubHoleRecord subHole, int slot, bool tap = false)
{
    subHole.color = SlotColor(slot);
    if (tap)
        subHole.color2 = SlotColor(SlotTapSecond);
    return subHole;
}

} // namespace

TEST_F(RecolourSelectionTest, EveryRangeEndGetsItsSlotAndEveryOtherByteStays)
{
    struct Case { int32_t identifier; int slot; };
    const Case cases[] = {
        { 101, SlotDrill }, { 150, SlotDrill }, { 199, SlotDrill }, { 201, SlotBoring }, { 299, SlotBoring },
        { 301, SlotReamer }, { 399, SlotReamer }, { 501, SlotCounterbore }, { 599, SlotCounterbore },
        { 601, SlotJG }, { 699, SlotJG }, { 701, SlotJB }, { 799, SlotJB }, { 801, SlotWC }, { 899, SlotWC },
        { 901, SlotMilling }, { 999, SlotMilling }, { 1001, SlotSlot }, { 1099, SlotSlot },
        { 0, SlotUndetermined }, { -1, SlotUndetermined }, { 100, SlotUndetermined }, { 200, SlotUndetermined },
        { 1000, SlotUndetermined }, { 1100, SlotUndetermined },
    };
    std::vector<SubHoleRecord> subHoles;
    for (const Case& c : cases)
        subHoles.push_back(MakeSubHole(c.identifier, 99, 77, static_cast<unsigned>(subHoles.size())));
    PavStubPick(AddPickableHole(7, subHoles));

    Run();

    const StandInHole after = ReadBackHole(7);
    HoleRecord header = MakeHeader(7);
    header.subHoleCount = static_cast<int32_t>(subHoles.size());
    EXPECT_TRUE(SameBytes(after.header, header)) << "host data of the hole record changed";
    ASSERT_EQ(after.subHoles.size(), subHoles.size());
    for (size_t i = 0; i < subHoles.size(); ++i) {
        SCOPED_TRACE(cases[i].identifier);
        EXPECT_EQ(after.subHoles[i].color, SlotColor(cases[i].slot));
        EXPECT_EQ(after.subHoles[i].color2, 77) << "only a tap's color2 is written";
        EXPECT_TRUE(SameBytes(after.subHoles[i], Recoloured(subHoles[i], cases[i].slot)));
    }
    EXPECT_TRUE(StandInMessages().empty());
}

TEST_F(RecolourSelectionTest, TapTakesBothColoursAmongMixedCategories)
{
    const std::vector<SubHoleRecord> subHoles = {
        MakeSubHole(401, 1, 2, 1), MakeSubHole(150, 1, 2, 2), MakeSubHole(499, 1, 2, 3),
        MakeSubHole(400, 1, 2, 4), MakeSubHole(500, 1, 2, 5), MakeSubHole(1050, 1, 2, 6),
    };
    PavStubPick(AddPickableHole(3, subHoles));

    Run();

    const StandInHole after = ReadBackHole(3);
    ASSERT_EQ(after.subHoles.size(), 6u);
    EXPECT_TRUE(SameBytes(after.subHoles[0], Recoloured(subHoles[0], SlotTap, true)));
    EXPECT_TRUE(SameBytes(after.subHoles[1], Recoloured(subHoles[1], SlotDrill)));
    EXPECT_TRUE(SameBytes(after.subHoles[2], Recoloured(subHoles[2], SlotTap, true)));
    EXPECT_TRUE(SameBytes(after.subHoles[3], Recoloured(subHoles[3], SlotUndetermined)));
    EXPECT_TRUE(SameBytes(after.subHoles[4], Recoloured(subHoles[4], SlotUndetermined)));
    EXPECT_TRUE(SameBytes(after.subHoles[5], Recoloured(subHoles[5], SlotSlot)));
}

TEST_F(RecolourSelectionTest, PassesModeOneAndTheThreeArgumentsAndReadsEachHoleThroughOneBuffer)
{
    PavStubPick(AddPickableHole(11, { MakeSubHole(101, 0, 0, 1) }));
    PavStubPick(AddPickableHole(12, { MakeSubHole(201, 0, 0, 2) }));
    int a1 = 0, a2 = 0, a3 = 0;

    RecolourSelection(&a1, &a2, &a3);

    const std::vector<PavStubCall> calls = StandInCalls();
    const std::vector<std::string> expected = {
        "PavIddOpenSelIdData", "PavIddGetHeadSelIdData",
        "PavHolGetHoleId", "PavHolGetHoleData2", "PavHolAmendHoleData2", "PavHolFreeHoleData2",
        "PavIddGetNextSelIdData",
        "PavHolGetHoleId", "PavHolGetHoleData2", "PavHolAmendHoleData2", "PavHolFreeHoleData2",
        "PavIddGetNextSelIdData", "PavIddCloseSelIdData",
    };
    ASSERT_EQ(StandInCallNames(), expected);
    EXPECT_EQ(calls[0].args[0], 1);
    EXPECT_EQ(calls[0].args[1], reinterpret_cast<intptr_t>(&a1));
    EXPECT_EQ(calls[0].args[2], reinterpret_cast<intptr_t>(&a2));
    EXPECT_EQ(calls[0].args[3], reinterpret_cast<intptr_t>(&a3));
    EXPECT_EQ(calls[1].args[0], calls[0].result) << "head with the handle opened";
    EXPECT_EQ(calls.back().args[0], calls[0].result) << "close with the handle opened";

    // The key holds the picked entity's words swapped: word 1 first.
    const int32_t key[2] = { 0x20000 + 11, 0x10000 + 11 };
    ASSERT_EQ(calls[2].byteCount, 8);
    EXPECT_EQ(std::memcmp(calls[2].bytes, key, 8), 0);

    // Read, amend and free go to the hole id found, with one and the same record.
    EXPECT_EQ(calls[3].args[0], 11);
    EXPECT_EQ(calls[4].args[0], 11);
    EXPECT_EQ(calls[4].args[1], calls[3].args[1]);
    EXPECT_EQ(calls[5].args[0], calls[3].args[1]);
    EXPECT_EQ(calls[8].args[0], 12);
}

TEST_F(RecolourSelectionTest, CountZeroOrNegativeIsAmendedUnchangedAndFreed)
{
    for (int count : { 0, -3 }) {
        SCOPED_TRACE(count);
        PavStubReset();
        const HoleRecord header = MakeHeader(5);
        PavStubAddHole(5, &header, nullptr, count);
        PavStubPick(PavStubAddEntity(1, 2, 5));

        Run();

        const std::vector<std::string> expected = {
            "PavIddOpenSelIdData", "PavIddGetHeadSelIdData", "PavHolGetHoleId", "PavHolGetHoleData2",
            "PavHolAmendHoleData2", "PavHolFreeHoleData2", "PavIddGetNextSelIdData", "PavIddCloseSelIdData",
        };
        EXPECT_EQ(StandInCallNames(), expected);
        HoleRecord stored = ReadBackHole(5).header;
        HoleRecord expectedHeader = header;
        expectedHeader.subHoleCount = count;
        EXPECT_TRUE(SameBytes(stored, expectedHeader));
        EXPECT_EQ(StandInStats().holeAmends, 1);
    }
}

TEST_F(RecolourSelectionTest, NullSubHolesWithPositiveCountIsTreatedAsNoSubHoles)
{
    PavStubPick(AddPickableHole(8, { MakeSubHole(101, 3, 4, 1), MakeSubHole(401, 3, 4, 2) }));
    PavStubPick(AddPickableHole(9, { MakeSubHole(101, 3, 4, 3) }));
    PavStubSetHoleFault(8, PAVSTUB_FAULT_NULL_SUBHOLES);

    Run();

    const PavStubStats stats = StandInStats();
    EXPECT_EQ(stats.holeAmends, 2);
    EXPECT_EQ(stats.holeFrees, 2);
    EXPECT_EQ(ReadBackHole(8).subHoles[0].color, 3);
    EXPECT_EQ(ReadBackHole(9).subHoles[0].color, SlotColor(SlotDrill)) << "the pass goes on";
    EXPECT_TRUE(StandInMessages().empty());
}

TEST_F(RecolourSelectionTest, EntityWithoutHoleIdIsReportedAndSkipped)
{
    const std::vector<SubHoleRecord> subHoles = { MakeSubHole(301, 0, 0, 1) };
    PavStubPick(AddPickableHole(1, subHoles));
    PavStubPick(PavStubAddEntity(5, 6, -1));
    PavStubPick(AddPickableHole(3, subHoles));

    Run();

    const std::vector<std::string> expected = {
        "PavIddOpenSelIdData", "PavIddGetHeadSelIdData",
        "PavHolGetHoleId", "PavHolGetHoleData2", "PavHolAmendHoleData2", "PavHolFreeHoleData2",
        "PavIddGetNextSelIdData", "PavHolGetHoleId", "PavMsgPutErrorMessage",
        "PavIddGetNextSelIdData",
        "PavHolGetHoleId", "PavHolGetHoleData2", "PavHolAmendHoleData2", "PavHolFreeHoleData2",
        "PavIddGetNextSelIdData", "PavIddCloseSelIdData",
    };
    EXPECT_EQ(StandInCallNames(), expected);
    const std::vector<std::pair<int, std::wstring>> messages = { { PAVSTUB_MSG_ERROR, kNoHoleId } };
    EXPECT_EQ(StandInMessages(), messages);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, SlotColor(SlotReamer));
    EXPECT_EQ(ReadBackHole(3).subHoles[0].color, SlotColor(SlotReamer));
}

TEST_F(RecolourSelectionTest, UnreadableRecordEndsThePassWithNothingFreedForIt)
{
    const std::vector<SubHoleRecord> subHoles = { MakeSubHole(901, 0, 0, 1) };
    PavStubPick(AddPickableHole(1, subHoles));
    PavStubPick(AddPickableHole(2, subHoles));
    PavStubPick(AddPickableHole(3, subHoles));
    PavStubSetHoleFault(2, PAVSTUB_FAULT_UNREADABLE);

    Run();

    const std::vector<std::string> expected = {
        "PavIddOpenSelIdData", "PavIddGetHeadSelIdData",
        "PavHolGetHoleId", "PavHolGetHoleData2", "PavHolAmendHoleData2", "PavHolFreeHoleData2",
        "PavIddGetNextSelIdData", "PavHolGetHoleId", "PavHolGetHoleData2", "PavMsgPutErrorMessage",
        "PavIddCloseSelIdData",
    };
    EXPECT_EQ(StandInCallNames(), expected);
    const std::vector<std::pair<int, std::wstring>> messages = { { PAVSTUB_MSG_ERROR, kUnreadable } };
    EXPECT_EQ(StandInMessages(), messages);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, SlotColor(SlotMilling));
    EXPECT_EQ(ReadBackHole(3).subHoles[0].color, 0) << "the third entity is not touched";
}

TEST_F(RecolourSelectionTest, EmptyPickOpensAsksOnceAndCloses)
{
    AddPickableHole(1, { MakeSubHole(101, 0, 0, 1) });

    Run();

    const std::vector<std::string> expected = { "PavIddOpenSelIdData", "PavIddGetHeadSelIdData", "PavIddCloseSelIdData" };
    EXPECT_EQ(StandInCallNames(), expected);
    EXPECT_TRUE(StandInMessages().empty());
}
