// The settings dialog under the administrators' policy: locked swatches show the locked colour with
// a cue and a tooltip, take no pick, and lock and unlock when the policy is refreshed.
#include "DialogDriver.h"
#include "DisplaySettings.h"
#include "FramePixels.h"
#include "LockCue.h"
#include "Palette.h"
#include "RegistrySandbox.h"
#include "RimtoneDlg.h"
#include "resource.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

const wchar_t kNote[] = L"설계팀 표준, 문의 내선 1234";

bool IsLocked(HWND dialog, int controlId)
{
    return !::IsWindowEnabled(::GetDlgItem(dialog, controlId));
}

// The swatch shows its colour everywhere but on the badge in its corner, whose frame is in the
// window text colour around the window colour.
void ExpectLockCue(HWND dialog, int controlId, COLORREF swatchColor)
{
    HWND swatch = ::GetDlgItem(dialog, controlId);
    RECT client;
    ::GetClientRect(swatch, &client);
    const int dpi = DialogDpi(dialog);
    const RECT badge = LockBadgeRect(client, dpi);
    EXPECT_EQ(badge.right - badge.left, ::MulDiv(kLockBadgeWidthAt96, dpi, 96)) << "the badge follows the DPI";
    ::UpdateWindow(swatch);
    HDC dc = ::GetDC(swatch);
    int outside = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x)
            outside += !::PtInRect(&badge, POINT{ x, y }) && ::GetPixel(dc, x, y) != swatchColor;
    }
    EXPECT_EQ(outside, 0) << "the locked colour fills the rest of the swatch";
    EXPECT_EQ(::GetPixel(dc, badge.left, badge.bottom - 1), ::GetSysColor(COLOR_WINDOWTEXT));
    const int inset = ::MulDiv(1, dpi, 96);
    EXPECT_EQ(::GetPixel(dc, badge.left + inset, badge.top + inset), ::GetSysColor(COLOR_WINDOW));
    ::ReleaseDC(swatch, dc);
}

// The text of a swatch's tooltip while the tooltip shows; empty while it does not.
std::wstring ShownTip(HWND dialog, int controlId)
{
    HWND tooltip = TooltipOwnedBy(dialog);
    wchar_t text[512] = {};
    TTTOOLINFOW tool = { TTTOOLINFOW_V2_SIZE, 0, dialog, static_cast<UINT_PTR>(controlId) };
    tool.lpszText = text;
    if (tooltip && ::IsWindowVisible(tooltip))
        ::SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return text;
}

void RefreshPolicy(HWND dialog, LPCWSTR area = L"Policy")
{
    ::SendMessageW(dialog, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area));
}

class SettingsPolicyTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    ModalScript script;
    HWND picker = nullptr;
};

} // namespace

TEST_F(SettingsPolicyTest, LockedSwatchesShowTheirColourACueAndTheNoteAndOpenNoPicker)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor101", L"MAINCOLOR02"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor101", L"MAINCOLOR12"));
    ASSERT_TRUE(SetPolicyString(HKEY_CURRENT_USER, false, L"mColor402", L"MAINCOLOR13"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"AdministratorNote", kNote));
    script.WaitFor(kSettingsCaption).Do([this] {
        for (int slot = 0; slot < CategorySlotCount; ++slot)
            EXPECT_EQ(dialog.m_policy.IsLocked(slot), slot == SlotDrill || slot == SlotTapSecond) << slot;
        EXPECT_TRUE(dialog.m_policy.note == kNote);
        EXPECT_TRUE(IsLocked(dialog.m_hWnd, IDC_SWATCH_DRILL) && !IsLocked(dialog.m_hWnd, IDC_SWATCH_BORING));
        ExpectLockCue(dialog.m_hWnd, IDC_SWATCH_DRILL, PaletteColor(12));
        ExpectLockCue(dialog.m_hWnd, IDC_SWATCH_TAP_SECOND, PaletteColor(13));
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_TAP, PaletteColor(8)));
        // Clicks and keys that reach the locked swatch itself.
        Click(dialog.m_hWnd, IDC_SWATCH_DRILL);
        for (UINT key : { VK_SPACE, VK_RETURN })
            ::PostMessageW(::GetDlgItem(dialog.m_hWnd, IDC_SWATCH_DRILL), WM_KEYDOWN, key, 1);
    });
    script.Do([] { EXPECT_EQ(FindShownDialog(kPickerCaption), nullptr) << "a locked swatch opens no picker"; })
        .Do([] { PressKey(VK_TAB); })
        .Do([] { PressKey(VK_TAB); })
        .Do([this] {
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog.m_hWnd, IDC_SWATCH_BORING)) << "Tab passes the locked swatch by";
            RestMouseOn(dialog.m_hWnd, IDC_SWATCH_DRILL);
        })
        .Then([this] { return !ShownTip(dialog.m_hWnd, IDC_SWATCH_DRILL).empty(); })
        .Do([this] {
            EXPECT_EQ(ShownTip(dialog.m_hWnd, IDC_SWATCH_DRILL), std::wstring(L"관리자가 지정한 색입니다\r\n") + kNote);
            Click(dialog.m_hWnd, IDOK);
        });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR02");
}

TEST_F(SettingsPolicyTest, APolicyRefreshLocksAndUnlocksAndAPickForANewlyLockedSlotIsNotStored)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor101", L"MAINCOLOR02"));
    HWND settings = nullptr;
    script.WaitFor(kSettingsCaption, &settings).Do([&] {
        ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor101", L"MAINCOLOR12"));
        RefreshPolicy(settings);
        EXPECT_TRUE(IsLocked(settings, IDC_SWATCH_DRILL));
        ExpectLockCue(settings, IDC_SWATCH_DRILL, PaletteColor(12));

        RemovePolicies();
        RefreshPolicy(settings, L"intl");
        EXPECT_TRUE(IsLocked(settings, IDC_SWATCH_DRILL)) << "only \"Policy\" reads the policy again";
        RefreshPolicy(settings);
        EXPECT_FALSE(IsLocked(settings, IDC_SWATCH_DRILL));
        EXPECT_TRUE(ControlIsSolid(settings, IDC_SWATCH_DRILL, PaletteColor(2))) << "the user's colour is back";
        Click(settings, IDC_SWATCH_BORING);
    });
    script.WaitFor(kPickerCaption, &picker).Do([&] {
        ASSERT_TRUE(SetPolicyString(HKEY_CURRENT_USER, false, L"mColor201", L"MAINCOLOR13"));
        RefreshPolicy(settings);
        DoubleClick(picker, IDC_COLOR10);
    });
    script.Then([] { return FindShownDialog(kPickerCaption) == nullptr; }).Do([&] {
        EXPECT_EQ(StoredName(L"mColor201"), L"MAINCOLOR06") << "the pick for the slot locked meanwhile";
        ExpectLockCue(settings, IDC_SWATCH_BORING, PaletteColor(13));
        EXPECT_TRUE(::GetFocus() && ::IsWindowEnabled(::GetFocus())) << "the focus left the locked swatch";
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}

TEST(AtChildDpi, LockCueScalesWithTheWindowAndTakesTheHighContrastColours)
{
    if (!ChildTestDpi())
        GTEST_SKIP() << "runs in the child that SelectionFrame.WidthAndDistanceAt192Dpi starts";
    ScopedHighContrast highContrast;
    RegistrySandbox sandbox;
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor301", L"MAINCOLOR16"));
    RimtoneDlg dialog;
    ModalScript script;
    script.WaitFor(kSettingsCaption).Do([&] {
        EXPECT_EQ(DialogDpi(dialog.m_hWnd), ChildTestDpi());
        ExpectLockCue(dialog.m_hWnd, IDC_SWATCH_REAMER, PaletteColor(16));
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}
