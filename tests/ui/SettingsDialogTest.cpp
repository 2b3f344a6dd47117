// The settings dialog: loading at opening, a pick stored at once, the modal session's owner.
#include "DialogDriver.h"
#include "Palette.h"
#include "RegistrySandbox.h"
#include "resource.h"
#include "RimtoneDlg.h"

#include <gtest/gtest.h>

namespace {

class SettingsDialogTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    ModalScript script;
    HWND picker = nullptr;

    // Opens the picker from a swatch of the settings dialog and picks with `choose`.
    void PickFrom(int swatchId, std::function<void(HWND)> choose)
    {
        script.Do([this, swatchId] { Click(dialog.m_hWnd, swatchId); })
            .WaitFor(kPickerCaption, &picker)
            .Do([this, choose] { choose(picker); })
            .Then([] { return FindShownDialog(kPickerCaption) == nullptr; });
    }
};

} // namespace

TEST_F(SettingsDialogTest, MissingValuesShowDefaultsAndAreWrittenAtOpening)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor501", L"MAINCOLOR13"));
    const std::wstring tooLong(127, L'x');
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor601", tooLong));
    script.WaitFor(kSettingsCaption).Do([this] {
        for (int slot = 0; slot < CategorySlotCount; ++slot) {
            const CategoryColorValue& value = CategoryColorValues[slot];
            const std::wstring expected = slot == SlotCounterbore ? L"MAINCOLOR13" : value.defaultColorName;
            EXPECT_EQ(StoredName(value.valueName), expected) << slot;
            EXPECT_EQ(std::wstring(dialog.m_aSwatches[slot].m_strColorName), expected) << slot;
        }
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_JG, PaletteColor(6)));
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(StoredName(L"mColor601"), L"MAINCOLOR06");
}

TEST_F(SettingsDialogTest, ConfirmedPickIsShownAndStoredBeforeTheDialogCloses)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor101", L"MAINCOLOR07"));
    script.WaitFor(kSettingsCaption);
    script.Do([this] { Click(dialog.m_hWnd, IDC_SWATCH_DRILL); }).WaitFor(kPickerCaption, &picker).Do([this] {
        EXPECT_EQ(FrameColor(picker, IDC_COLOR07), RGB(255, 0, 0));
        EXPECT_FALSE(::IsWindowEnabled(dialog.m_hWnd)) << "the settings dialog owns the picker";
        EXPECT_EQ(::GetWindow(picker, GW_OWNER), dialog.m_hWnd);
        Click(picker, IDC_COLOR10);
    });
    script.Do([this] { Click(picker, IDOK); });
    script.Then([] { return FindShownDialog(kPickerCaption) == nullptr; }).Do([this] {
        EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR10");
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_DRILL, PaletteColor(10)));
        EXPECT_TRUE(::IsWindowEnabled(dialog.m_hWnd));
        EXPECT_EQ(::GetActiveWindow(), dialog.m_hWnd);
        Click(dialog.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(StoredName(L"mColor101"), L"MAINCOLOR10") << "Cancel undoes nothing already stored";
    EXPECT_TRUE(dialog.m_aSwatches[SlotDrill].m_strColorName == L"MAINCOLOR10");
}

TEST_F(SettingsDialogTest, CancelledPickerChangesNothing)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor201", L"MAINCOLOR02"));
    script.WaitFor(kSettingsCaption);
    PickFrom(IDC_SWATCH_BORING, [](HWND w) {
        Click(w, IDC_COLOR10);
        ::PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    script.Do([this] {
        EXPECT_EQ(StoredName(L"mColor201"), L"MAINCOLOR02");
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_BORING, PaletteColor(2)));
        Click(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(dialog.m_aSwatches[SlotBoring].m_strColorName == L"MAINCOLOR02");
}

TEST_F(SettingsDialogTest, TapSwatchesAndTheUndeterminedSwatchWriteTheirOwnValues)
{
    script.WaitFor(kSettingsCaption);
    PickFrom(IDC_SWATCH_TAP, [](HWND w) { DoubleClick(w, IDC_COLOR16); });
    script.Do([] {
        EXPECT_EQ(StoredName(L"mColor401"), L"MAINCOLOR16");
        EXPECT_EQ(StoredName(L"mColor402"), L"MAINCOLOR03");
    });
    PickFrom(IDC_SWATCH_TAP_SECOND, [](HWND w) { DoubleClick(w, IDC_COLOR09); });
    PickFrom(IDC_SWATCH_UNDETERMINED, [](HWND w) { DoubleClick(w, IDC_COLOR12); });
    script.Do([this] {
        EXPECT_EQ(StoredName(L"mColor401"), L"MAINCOLOR16");
        EXPECT_EQ(StoredName(L"mColor402"), L"MAINCOLOR09");
        EXPECT_EQ(StoredName(L"mColor000"), L"MAINCOLOR12");
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_TAP, PaletteColor(16)));
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_TAP_SECOND, PaletteColor(9)));
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_UNDETERMINED, PaletteColor(12)));
        Click(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
}

TEST_F(SettingsDialogTest, ConfirmingWithoutAChoiceWritesTheNameBackAsStored)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor301", L"maincolor05"));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor501", L"maincolor01"));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor601", L""));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor701", L"MAINCOLOR17"));
    script.WaitFor(kSettingsCaption);
    for (int swatch : { IDC_SWATCH_REAMER, IDC_SWATCH_COUNTERBORE, IDC_SWATCH_JG, IDC_SWATCH_JB }) {
        PickFrom(swatch, [](HWND w) {
            ::SetFocus(::GetDlgItem(w, IDOK));
            PressKey(VK_RETURN);
        });
    }
    script.Do([this] { Click(dialog.m_hWnd, IDCANCEL); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(StoredName(L"mColor301"), L"maincolor05");
    EXPECT_EQ(StoredName(L"mColor501"), L"MAINCOLOR01");
    EXPECT_EQ(StoredName(L"mColor601"), L"");
    EXPECT_EQ(StoredName(L"mColor701"), L"MAINCOLOR17");
}

TEST_F(SettingsDialogTest, OwnerIsDisabledWhileItRunsThenEnabledAndActive)
{
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    ::SetActiveWindow(owner);
    ASSERT_EQ(::GetActiveWindow(), owner);
    script.WaitFor(kSettingsCaption).Do([this, owner] {
        EXPECT_EQ(::GetWindow(dialog.m_hWnd, GW_OWNER), owner);
        EXPECT_FALSE(::IsWindowEnabled(owner));
        EXPECT_EQ(::GetActiveWindow(), dialog.m_hWnd);
        Click(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_EQ(::GetActiveWindow(), owner);
    EXPECT_EQ(dialog.m_hWnd, nullptr);

    // An owner that was disabled before stays disabled.
    ::EnableWindow(owner, FALSE);
    RimtoneDlg second;
    ModalScript again;
    again.WaitFor(kSettingsCaption).Do([&second] { Click(second.m_hWnd, IDCANCEL); });
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_FALSE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
}

TEST_F(SettingsDialogTest, QuitRequestEndsTheDialogAndIsPassedOn)
{
    script.WaitFor(kSettingsCaption).Do([] { ::PostQuitMessage(7); });
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}
