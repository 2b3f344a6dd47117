// The colour picker from the keyboard: the grid of swatches behaves as a group of radio buttons,
// the red frame follows the focus, and Enter or Space does what the focused control stands for.
#include "DialogDriver.h"
#include "Palette.h"
#include "PvStColorDlg.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

struct KeyRun
{
    INT_PTR result;
    std::wstring selected;
};

// Opens a picker seeded with `seed` and presses the keys one per tick.
KeyRun PressKeys(LPCWSTR seed, const std::vector<UINT>& keys)
{
    PvStColorDlg picker;
    picker.SelectColor(seed);
    HWND w = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &w);
    for (UINT key : keys)
        script.Do([key] { PressKey(key); });
    const INT_PTR result = picker.DoModal();
    EXPECT_TRUE(script.Finished());
    return { result, std::wstring(picker.m_strSelColor) };
}

bool HasFocus(HWND dialog, int controlId)
{
    return ::GetFocus() == ::GetDlgItem(dialog, controlId);
}

} // namespace

TEST(PickerKeyboard, FocusStartsOnTheSelectedSwatchAndArrowsMoveFrameAndFocusTogether)
{
    PvStColorDlg picker;
    picker.SelectColor(L"MAINCOLOR06");
    HWND w = nullptr;
    ModalScript script;
    // Each step: a key, then where the focus and the only red frame must be.
    const struct { UINT key; int row; } moves[] = {
        { VK_RIGHT, 7 }, { VK_RIGHT, 8 }, { VK_RIGHT, 9 },   // the end of a row continues on the other
        { VK_DOWN, 1 },  { VK_LEFT, 16 }, { VK_UP, 8 },      // 16 <-> 1 both ways; Up from the top row
        { VK_DOWN, 16 }, { VK_RIGHT, 1 }, { VK_END, 16 },
        { VK_HOME, 1 },  { VK_UP, 9 },
    };
    script.WaitFor(kPickerCaption, &w).Do([&] {
        EXPECT_TRUE(HasFocus(w, IDC_COLOR06));
        EXPECT_EQ(FrameColor(w, IDC_COLOR06), kRed);
    });
    for (const auto& move : moves) {
        script.Do([key = move.key] { PressKey(key); }).Do([&w, &picker, move] {
            SCOPED_TRACE(move.row);
            EXPECT_TRUE(HasFocus(w, PickerSwatchId(move.row)));
            EXPECT_TRUE(picker.m_strSelColor == MainColorOfRow(move.row).name);
            for (int row = 1; row <= MainColorCount; ++row)
                EXPECT_EQ(FrameColor(w, PickerSwatchId(row)) == kRed, row == move.row) << row;
        });
    }
    script.Do([] { PressKey(VK_RETURN); });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(picker.m_strSelColor == L"MAINCOLOR09");
}

TEST(PickerKeyboard, TabLeavesTheGridForOkAndShiftTabComesBackToTheSelection)
{
    PvStColorDlg picker;
    picker.SelectColor(L"MAINCOLOR12");
    HWND w = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &w)
        .Do([] { PressKey(VK_LEFT); })
        .Do([] { PressKey(VK_TAB); })
        .Do([&] {
            EXPECT_TRUE(HasFocus(w, IDOK));
            PressKey(VK_TAB);
        })
        .Do([&] {
            EXPECT_TRUE(HasFocus(w, IDCANCEL));
            PressKey(VK_TAB);  // round to the grid, at its selection
        })
        .Do([&] {
            EXPECT_TRUE(HasFocus(w, IDC_COLOR11));
            PressKey(VK_TAB);
        })
        .Do([&] {
            EXPECT_TRUE(HasFocus(w, IDOK));
            HoldShift(true);
            PressKey(VK_TAB);
        })
        .Do([&] {
            HoldShift(false);
            EXPECT_TRUE(HasFocus(w, IDC_COLOR11));
            EXPECT_EQ(FrameColor(w, IDC_COLOR11), kRed);
            PressKey(VK_SPACE);
        });
    EXPECT_EQ(picker.DoModal(), IDOK);
    HoldShift(false);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(picker.m_strSelColor == L"MAINCOLOR11");
}

TEST(PickerKeyboard, EnterOrSpaceConfirmOnASwatchOrOk)
{
    for (UINT key : { VK_RETURN, VK_SPACE }) {
        SCOPED_TRACE(key);
        KeyRun onSwatch = PressKeys(L"MAINCOLOR03", { VK_END, key });
        EXPECT_EQ(onSwatch.result, IDOK);
        EXPECT_EQ(onSwatch.selected, L"MAINCOLOR16");

        KeyRun onOk = PressKeys(L"MAINCOLOR03", { VK_HOME, VK_TAB, key });
        EXPECT_EQ(onOk.result, IDOK);
        EXPECT_EQ(onOk.selected, L"MAINCOLOR01");
    }
}

TEST(PickerKeyboard, AKeyHeldSinceThePickerOpenedDoesNotConfirmIt)
{
    PvStColorDlg picker;
    HWND w = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &w)
        .Do([] {
            // Auto-repeat: the previous key state bit is set.
            ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1 | (1u << 30));
            PressKey(VK_RIGHT);
        })
        .Do([&] {
            EXPECT_TRUE(FindShownDialog(kPickerCaption) == w);
            PressKey(VK_RETURN);
        });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(picker.m_strSelColor == L"MAINCOLOR02");
}
