// The confirmation delivered again while the settings dialog is open, as a host does from inside
// the dialog's modal loop: a timer of the host's window fires there and calls the event. One dialog
// at a time: the open one (or its picker) comes to the front, and nothing is saved or reloaded.
#include "DialogDriver.h"
#include "RimtoneDllFixture.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kReentryTimer = 1;

// What the host's timer saw when it delivered the confirmation.
struct Reentry
{
    int calls = 0;
    int result = -1;
};
Reentry g_reentry;

void CALLBACK ConfirmFromHostTimer(HWND hWnd, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(hWnd, id);
    g_reentry.result = PavStubCallExecute(7, nullptr, nullptr, nullptr);
    ++g_reentry.calls;
}

class SettingsReentryTest : public RimtoneDllTest
{
protected:
    HWND host = nullptr;
    HWND toolWindow = nullptr;

    void SetUp() override
    {
        RimtoneDllTest::SetUp();
        StartCommand();
        g_reentry = Reentry{};
        host = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
        ::SetActiveWindow(host);
    }

    void TearDown() override
    {
        if (toolWindow)
            ::DestroyWindow(toolWindow);
        if (host)
            ::DestroyWindow(host);
        RimtoneDllTest::TearDown();
    }

    // The user clicks the host's floating tool window, which the dialog does not disable, and the
    // host answers with the confirmation event from its window's timer.
    void ConfirmFromToolWindow()
    {
        if (!toolWindow)
            toolWindow = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"tools", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                           320, 0, 120, 80, host, nullptr, nullptr, nullptr);
        ASSERT_NE(toolWindow, nullptr);
        ::SetActiveWindow(toolWindow);
        ASSERT_EQ(::GetActiveWindow(), toolWindow);
        ::SetTimer(host, kReentryTimer, USER_TIMER_MINIMUM, &ConfirmFromHostTimer);
    }
};

} // namespace

TEST_F(SettingsReentryTest, SecondConfirmationBringsTheOpenDialogForwardAndSavesNothing)
{
    PickedHole(1, 101);
    ModalScript script;
    HWND settings = nullptr;
    HWND picker = nullptr;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([&] {
            // A value removed behind the open dialog shows whether the second call saved or reloaded.
            ASSERT_TRUE(DeleteValue(kKey, L"mColor000"));
            ::ShowWindow(settings, SW_MINIMIZE);
            ConfirmFromToolWindow();
        })
        .Then([] { return g_reentry.calls == 1; })
        .Do([&] {
            EXPECT_EQ(g_reentry.result, 0);
            EXPECT_EQ(ThreadWindowsCaptioned(kSettingsCaption).size(), 1u) << "a second settings dialog was opened";
            EXPECT_FALSE(::IsIconic(settings)) << "the minimised dialog was not restored";
            EXPECT_EQ(::GetActiveWindow(), settings) << "the open dialog was not brought to the front";
            EXPECT_EQ(::GetForegroundWindow(), settings);
            EXPECT_EQ(StoredName(L"mColor000"), L"<missing>") << "the second confirmation saved or reloaded";
            Click(settings, IDC_SWATCH_DRILL);
        })
        .WaitFor(kPickerCaption, &picker)
        .Do([&] { ::ShowWindow(picker, SW_MINIMIZE), ConfirmFromToolWindow(); })
        .Then([] { return g_reentry.calls == 2; })
        .Do([&] {
            EXPECT_EQ(g_reentry.result, 0);
            EXPECT_EQ(ThreadWindowsCaptioned(kSettingsCaption).size(), 1u);
            EXPECT_EQ(ThreadWindowsCaptioned(kPickerCaption).size(), 1u);
            EXPECT_FALSE(::IsIconic(picker));
            EXPECT_EQ(::GetActiveWindow(), picker) << "the picker over the dialog was not brought to the front";
            EXPECT_EQ(StoredName(L"mColor000"), L"<missing>");
            DoubleClick(picker, IDC_COLOR10);
        })
        .Then([] { return FindShownDialog(kPickerCaption) == nullptr; })
        .Do([&] {
            EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR10");
            Click(settings, IDOK);
        });
    EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(g_reentry.calls, 2);
    EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR10") << "the user's pick was written over";
    EXPECT_EQ(StoredName(L"mColor000"), L"MAINCOLOR01") << "OK of the one dialog saves all 12";
    EXPECT_TRUE(::IsWindowEnabled(host));

    PavStubPickAll();
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 9) << "reloaded once, after OK";
}

TEST_F(SettingsReentryTest, ConfirmationAfterTheDialogHasClosedOpensItAgain)
{
    for (UINT endKey : { VK_ESCAPE, VK_RETURN }) {
        SCOPED_TRACE(endKey);
        ModalScript script;
        script.WaitFor(kSettingsCaption).Do([&] { PressKey(endKey); });
        EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
        EXPECT_TRUE(script.Finished()) << "the dialog did not open";
    }
}
