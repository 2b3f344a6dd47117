// Rimtone.dll loaded as the host loads it, driven through the stand-in host library.
#include "DialogDriver.h"
#include "resource.h"
#include "RimtoneDllFixture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const wchar_t kPrompt[] = L"구멍형상 범위지시/전체-Ctrl+A (확정:설정창OPEN) :";

} // namespace

TEST_F(RimtoneDllTest, StartupSucceedsOnlyForAPositiveRegistrationAndPassesTheFourthArgument)
{
    struct Case { int registration; int expected; };
    for (const Case& c : { Case{ 1, 0 }, Case{ INT_MAX, 0 }, Case{ 0, -1 }, Case{ -5, -1 } }) {
        SCOPED_TRACE(c.registration);
        PavStubReset();
        PavStubSetRegisterResult(c.registration);
        int fourth = 0;
        EXPECT_EQ(startup(reinterpret_cast<void*>(0x11), reinterpret_cast<void*>(0x22),
                          reinterpret_cast<void*>(0x33), &fourth), c.expected);

        PavStartCommandFn start = nullptr;
        PavSecondFn second = nullptr;
        PavThirdFn third = nullptr;
        void* passed = nullptr;
        EXPECT_EQ(PavStubGetRegistration(&start, &second, &third, &passed), 1);
        EXPECT_EQ(passed, &fourth);
        EXPECT_TRUE(start && second && third);
        EXPECT_EQ(StandInCallNames(), std::vector<std::string>{ "PavCtlRegisterPavLib2" });
        EXPECT_FALSE(KeyExists(kKey)) << "Startup does nothing but register";
    }
}

TEST_F(RimtoneDllTest, SecondAndThirdCallbacksDoNothing)
{
    ASSERT_EQ(startup(nullptr, nullptr, nullptr, nullptr), 0);
    PavStubClearLogs();
    EXPECT_EQ(PavStubCallSecond(), 0);
    EXPECT_EQ(PavStubCallThird(), 0);
    EXPECT_EQ(PavStubGetCallCount(), 0);
    EXPECT_FALSE(KeyExists(kKey));
}

TEST_F(RimtoneDllTest, EachStartReloadsTheColoursAndSetsUpThePickAgain)
{
    ASSERT_EQ(startup(nullptr, nullptr, nullptr, nullptr), 0);
    PavStubClearLogs();
    ASSERT_EQ(PavStubCallStartCommand(), 0);
    ASSERT_EQ(PavStubCallStartCommand(), 0);

    const std::vector<std::string> once = {
        "PavIddClearSysIdData", "PavEvtSetEventMask", "PavEvtSetObject", "PavMsgPutCursorMessage",
        "PavMsgPutMessage", "PavCtlSetExecuteFunc",
    };
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    ASSERT_EQ(StandInCallNames(), twice);

    const unsigned char filter[16] = { 16, 0, 0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    const std::vector<PavStubCall> calls = StandInCalls();
    for (size_t start : { size_t{ 0 }, once.size() }) {
        SCOPED_TRACE(start);
        EXPECT_EQ(calls[start + 1].args[0], 32);
        ASSERT_EQ(calls[start + 2].byteCount, 16);
        EXPECT_EQ(std::memcmp(calls[start + 2].bytes, filter, 16), 0);
        EXPECT_STREQ(calls[start + 3].text, L"Hole");
        EXPECT_STREQ(calls[start + 4].text, kPrompt);
        EXPECT_NE(calls[start + 5].args[0], 0);
        EXPECT_NE(calls[start + 5].args[1], 0) << "the text is empty, not null";
        EXPECT_STREQ(calls[start + 5].text, L"");
    }
    const wchar_t* text = nullptr;
    EXPECT_EQ(reinterpret_cast<intptr_t>(PavStubGetExecuteFunc(&text)), calls[5].args[0]);

    // The colours were loaded: the first load creates the key with every default.
    std::wstring name;
    DWORD type = 0;
    ASSERT_TRUE(GetStringValue(kKey, L"mColor101", name, &type));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(name, L"MAINCOLOR06");
    ASSERT_TRUE(GetStringValue(kKey, L"mColor1001", name));
    EXPECT_EQ(name, L"MAINCOLOR11");

    // The second start loaded again: a value removed after the first start is back.
    ASSERT_TRUE(DeleteValue(kKey, L"mColor401"));
    ASSERT_EQ(PavStubCallStartCommand(), 0);
    EXPECT_TRUE(GetStringValue(kKey, L"mColor401", name));
}

TEST_F(RimtoneDllTest, UnhandledEventsReturnThreeAndCallNothing)
{
    StartCommand();
    ASSERT_TRUE(DeleteValue(kKey, L"mColor000"));
    PickedHole(1, 101);
    for (int event : { 1, 6, 8, -1, INT_MIN, INT_MAX })
        EXPECT_EQ(PavStubCallExecute(event, nullptr, nullptr, nullptr), 3) << event;
    EXPECT_EQ(PavStubGetCallCount(), 0);
    std::wstring name;
    EXPECT_FALSE(GetStringValue(kKey, L"mColor000", name)) << "no registry access either";
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, -7);
}

TEST_F(RimtoneDllTest, PickFinishedRecoloursWithTheColoursLoadedAtTheStart)
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"maincolor12"));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor402", L"MAINCOLOR16"));
    StartCommand();
    const HoleRecord header = MakeHeader(2);
    const std::vector<SubHoleRecord> subHoles = {
        MakeSubHole(150, -1, -2, 1), MakeSubHole(450, -1, -2, 2), MakeSubHole(2000, -1, -2, 3),
    };
    PavStubAddHole(2, &header, subHoles.data(), 3);
    PavStubPick(PavStubAddEntity(0x1234, 0x5678, 2));
    int a1 = 0, a2 = 0, a3 = 0;

    EXPECT_EQ(PavStubCallExecute(0, &a1, &a2, &a3), 0);

    const std::vector<PavStubCall> calls = StandInCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_STREQ(calls[0].name, "PavIddOpenSelIdData");
    EXPECT_EQ(calls[0].args[0], 1);
    EXPECT_EQ(calls[0].args[1], reinterpret_cast<intptr_t>(&a1));
    EXPECT_EQ(calls[0].args[2], reinterpret_cast<intptr_t>(&a2));
    EXPECT_EQ(calls[0].args[3], reinterpret_cast<intptr_t>(&a3));
    const StandInHole after = ReadBackHole(2);
    ASSERT_EQ(after.subHoles.size(), 3u);
    EXPECT_EQ(after.subHoles[0].color, 11);
    EXPECT_EQ(after.subHoles[0].color2, -2);
    EXPECT_EQ(after.subHoles[1].color, 7);
    EXPECT_EQ(after.subHoles[1].color2, 15);
    EXPECT_EQ(after.subHoles[2].color, 0);
    SubHoleRecord expected = subHoles[1];
    expected.color = 7;
    expected.color2 = 15;
    EXPECT_TRUE(SameBytes(after.subHoles[1], expected));
    const PavStubStats stats = StandInStats();
    EXPECT_EQ(stats.outstandingRecords, 0);
    EXPECT_EQ(stats.openIterators, 0);
}

TEST_F(RimtoneDllTest, RegistryChangesTakeEffectAtTheNextStart)
{
    StartCommand();
    PickedHole(1, 101);
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"MAINCOLOR02"));

    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 5) << "the colours loaded at the start, not the registry's";

    ASSERT_EQ(PavStubCallStartCommand(), 0);
    PavStubPickAll();
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 1);
}

TEST_F(RimtoneDllTest, EmptyPickReturnsZeroWithoutMessage)
{
    StartCommand();
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(StandInCallNames(),
              (std::vector<std::string>{ "PavIddOpenSelIdData", "PavIddGetHeadSelIdData", "PavIddCloseSelIdData" }));
    EXPECT_TRUE(StandInMessages().empty());
}

TEST_F(RimtoneDllTest, ConfirmationWithOkStoresTheSwatchesAndTheNextPickUsesThem)
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR07"));
    StartCommand();
    PickedHole(1, 101);
    PickedHole(2, 201);

    ModalScript script;
    HWND settings = nullptr;
    HWND picker = nullptr;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([&] {
            // Changed behind the open dialog: OK writes what the swatch shows over it.
            ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR13"));
            Click(settings, IDC_SWATCH_DRILL);
        })
        .WaitFor(kPickerCaption, &picker)
        .Do([&] { DoubleClick(picker, IDC_COLOR10); })
        .Then([] { return FindShownDialog(kPickerCaption) == nullptr; })
        .Do([&] {
            EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR10");
            Click(settings, IDOK);
        });
    EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(PavStubGetCallCount(), 0) << "the settings road calls nothing of the host";
    EXPECT_EQ(StoredName(L"mColor201"), L"MAINCOLOR07");

    PavStubPickAll();
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 9) << "reloaded after OK";
    EXPECT_EQ(ReadBackHole(2).subHoles[0].color, 6);
}

TEST_F(RimtoneDllTest, ConfirmationWithCancelKeepsThePicksStoredButNotInUse)
{
    StartCommand();
    PickedHole(1, 101);
    ModalScript script;
    // From the keyboard alone: to the drill swatch, open, MAINCOLOR06 down to MAINCOLOR14, pick, cancel.
    script.WaitFor(kSettingsCaption);
    for (UINT key : { VK_TAB, VK_TAB, VK_SPACE })
        script.Do([key] { PressKey(key); });
    script.WaitFor(kPickerCaption).Do([] { PressKey(VK_DOWN); }).Do([] { PressKey(VK_RETURN); });
    script.Then([] { return FindShownDialog(kPickerCaption) == nullptr; }).Do([] { PressKey(VK_ESCAPE); });
    EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR14");

    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 5) << "the colours loaded at the start";

    ASSERT_EQ(PavStubCallStartCommand(), 0);
    PavStubPickAll();
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 13) << "in use from the next start";
}
