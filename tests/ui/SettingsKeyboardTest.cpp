// The settings dialog from the keyboard: Tab in the template's order, a focus cue on the focused
// swatch in the system's highlight colours, Space or Enter on it opens the picker as a click does.
#include "DialogDriver.h"
#include "DisplaySettings.h"
#include "FramePixels.h"
#include "Palette.h"
#include "RegistrySandbox.h"
#include "RimtoneDlg.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

class SettingsKeyboardTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    ModalScript script;
    HWND picker = nullptr;

    bool Focused(int controlId) const { return ::GetFocus() == ::GetDlgItem(dialog.m_hWnd, controlId); }
};

// The colours across a swatch from its edge to its middle show the cue: highlight text colour,
// highlight colour, highlight text colour, then the swatch's own colour.
void ExpectFocusCue(HWND dialog, int controlId, COLORREF swatchColor)
{
    CueRun runs[8] = {};
    const int count = ColourRunsToMiddle(dialog, controlId, runs, 8);
    ASSERT_GE(count, 4);
    EXPECT_EQ(runs[count - 1].color, swatchColor);
    EXPECT_EQ(runs[count - 2].color, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(runs[count - 3].color, ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(runs[count - 4].color, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    const int dpi = DialogDpi(dialog);
    EXPECT_EQ(runs[count - 3].width, ::MulDiv(2, dpi, 96)) << "the cue's band follows the DPI";
}

} // namespace

TEST_F(SettingsKeyboardTest, TabFollowsTheTemplateAndTheFocusedSwatchShowsACue)
{
    // From OK: CANCEL, then the swatches in template order (the labels and the group box are no stops).
    const int order[] = { IDCANCEL,           IDC_SWATCH_DRILL, IDC_SWATCH_BORING,      IDC_SWATCH_REAMER,
                          IDC_SWATCH_TAP,     IDC_SWATCH_TAP_SECOND, IDC_SWATCH_COUNTERBORE, IDC_SWATCH_JG,
                          IDC_SWATCH_JB,      IDC_SWATCH_WC,    IDC_SWATCH_MILLING,     IDC_SWATCH_SLOT,
                          IDC_SWATCH_UNDETERMINED, IDOK };
    script.WaitFor(kSettingsCaption).Do([this] {
        EXPECT_TRUE(Focused(IDOK));
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_DRILL, PaletteColor(6))) << "no cue without the focus";
    });
    for (int controlId : order) {
        script.Do([] { PressKey(VK_TAB); }).Do([this, controlId] {
            EXPECT_TRUE(Focused(controlId)) << controlId;
        });
        if (controlId == IDC_SWATCH_DRILL) {
            // MAINCOLOR06 is the red of the picker's frame: the cue stands out on it all the same.
            script.Do([this] {
                ExpectFocusCue(dialog.m_hWnd, IDC_SWATCH_DRILL, PaletteColor(6));
                EXPECT_NE(::GetSysColor(COLOR_HIGHLIGHT), RGB(255, 0, 0));
            });
        }
    }
    script.Do([this] {
        // The cue went with the focus.
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_UNDETERMINED, PaletteColor(1)));
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_DRILL, PaletteColor(6)));
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}

TEST_F(SettingsKeyboardTest, SpaceOrEnterOnASwatchOpensThePickerAndEnterElsewhereIsOk)
{
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor201", L"MAINCOLOR02"));
    script.WaitFor(kSettingsCaption).Do([] { PressKey(VK_TAB); }).Do([] { PressKey(VK_TAB); }).Do([] {
        PressKey(VK_TAB);
    });
    for (UINT key : { VK_SPACE, VK_RETURN }) {
        script.Do([this] { ASSERT_TRUE(Focused(IDC_SWATCH_BORING)); })
            .Do([key] { PressKey(key); })
            .WaitFor(kPickerCaption, &picker)
            .Do([this] {
                EXPECT_TRUE(::IsWindow(dialog.m_hWnd)) << "Enter on a swatch does not close the dialog";
                EXPECT_EQ(::GetFocus(), ::GetDlgItem(picker, IDC_COLOR02)) << "the picker opens on the swatch's colour";
                PressKey(VK_ESCAPE);
            })
            .Then([] { return FindShownDialog(kPickerCaption) == nullptr; });
    }
    script.Do([this] {
        EXPECT_TRUE(Focused(IDC_SWATCH_BORING)) << "the focus comes back to the swatch";
        EXPECT_EQ(StoredName(L"mColor201"), L"MAINCOLOR02");
        PressKey(VK_TAB);
    });
    script.Do([] { PressKey(VK_RETURN); });  // on the reamer swatch: the picker again
    script.WaitFor(kPickerCaption, &picker).Do([] { PressKey(VK_ESCAPE); });
    script.Then([] { return FindShownDialog(kPickerCaption) == nullptr; });
    script.Do([this] { ::SendMessageW(dialog.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog.m_hWnd, IDCANCEL)), TRUE); })
        .Do([] { PressKey(VK_RETURN); });  // Enter on a focused button presses it
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}

TEST(AtChildDpi, FocusCueScalesWithTheWindow)
{
    if (!ChildTestDpi())
        GTEST_SKIP() << "runs in the child that SelectionFrame.WidthAndDistanceAt192Dpi starts";
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    ModalScript script;
    script.WaitFor(kSettingsCaption)
        .Do([] { PressKey(VK_TAB); })
        .Do([] { PressKey(VK_TAB); })
        .Do([&] {
            EXPECT_EQ(DialogDpi(dialog.m_hWnd), ChildTestDpi());
            ExpectFocusCue(dialog.m_hWnd, IDC_SWATCH_DRILL, PaletteColor(6));
            PressKey(VK_ESCAPE);
        });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}
