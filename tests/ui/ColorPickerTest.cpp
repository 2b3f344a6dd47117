// The colour picker run on its own: seeding through SelectColor as the settings dialog does, the
// frames it draws, and every way it ends.
#include "DialogDriver.h"
#include "Palette.h"
#include "PvStColorDlg.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

// The dialog's own background, which a frame no longer shown is drawn over in.
COLORREF Face()
{
    return ::GetSysColor(COLOR_3DFACE);
}

struct Outcome
{
    INT_PTR result;
    std::wstring selected;
};

// Runs a seeded picker; `act` gets its window once it shows and returns after posting input.
Outcome RunPicker(LPCWSTR seed, std::function<void(HWND)> act, std::function<void(HWND)> then = nullptr,
                  std::function<void(HWND)> last = nullptr)
{
    PvStColorDlg picker;
    if (seed)
        picker.SelectColor(seed);
    HWND window = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &window).Do([&] { act(window); });
    if (then)
        script.Do([&] { then(window); });
    if (last)
        script.Do([&] { last(window); });
    const INT_PTR result = picker.DoModal();
    EXPECT_TRUE(script.Finished());
    return { result, std::wstring(picker.m_strSelColor) };
}

} // namespace

TEST(ColorPicker, SeededSelectionIsFramedInRedOverThePreviousFrame)
{
    PvStColorDlg picker;
    picker.SelectColor(L"MAINCOLOR07");
    EXPECT_TRUE(picker.m_strPrevColor == L"MAINCOLOR01");
    HWND w = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &w)
        .Do([&] {
            EXPECT_EQ(FrameColor(w, IDC_COLOR01), Face());
            EXPECT_EQ(FrameColor(w, IDC_COLOR07), kRed);
            EXPECT_NE(FrameColor(w, IDC_COLOR10), kRed);
            Click(w, IDC_COLOR03);
        })
        .Do([&] {
            Click(w, IDC_COLOR14);
        })
        .Do([&] {
            EXPECT_TRUE(picker.m_strPrevColor == L"MAINCOLOR03");
            EXPECT_EQ(FrameColor(w, IDC_COLOR03), Face());
            EXPECT_EQ(FrameColor(w, IDC_COLOR14), kRed);
            Click(w, IDC_COLOR14);  // already selected: nothing moves
        })
        .Do([&] {
            EXPECT_TRUE(picker.m_strPrevColor == L"MAINCOLOR03");
            EXPECT_EQ(FrameColor(w, IDC_COLOR14), kRed);
            Click(w, IDOK);
        });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(picker.m_strSelColor == L"MAINCOLOR14");
}

TEST(ColorPicker, SeedsOutsideThePaletteFrameTheFirstSwatchAndTheKeyboardStartsThere)
{
    Outcome lower = RunPicker(L"maincolor01", [](HWND w) {
        EXPECT_EQ(FrameColor(w, IDC_COLOR01), kRed);
        Click(w, IDOK);
    });
    EXPECT_EQ(lower.result, IDOK);
    EXPECT_EQ(lower.selected, L"MAINCOLOR01");

    Outcome outside = RunPicker(L"MAINCOLOR17", [](HWND w) {
        EXPECT_EQ(FrameColor(w, IDC_COLOR01), kRed);  // red drawn last, over the previous frame
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(w, IDC_COLOR01));
        Click(w, IDOK);
    });
    EXPECT_EQ(outside.selected, L"MAINCOLOR17");

    Outcome empty = RunPicker(L"", [](HWND w) {
        EXPECT_EQ(FrameColor(w, IDC_COLOR01), Face());
        for (int number = 1; number <= 16; ++number)
            EXPECT_NE(FrameColor(w, PickerSwatchId(number)), kRed) << number;
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(w, IDC_COLOR01));
        Click(w, IDOK);
    });
    EXPECT_EQ(empty.result, IDOK);
    EXPECT_EQ(empty.selected, L"");
}

TEST(ColorPicker, EnterOrSpaceOnTheFocusedCancelButtonCancel)
{
    for (UINT key : { VK_RETURN, VK_SPACE }) {
        Outcome run = RunPicker(nullptr, [](HWND w) { Click(w, IDC_COLOR10); },
                            [](HWND w) {
                                // The clicked swatch has the focus: Tab to OK, then to CANCEL.
                                EXPECT_EQ(::GetFocus(), ::GetDlgItem(w, IDC_COLOR10));
                                PressKey(VK_TAB);
                                PressKey(VK_TAB);
                            },
                            [key](HWND w) {
                                EXPECT_EQ(::GetFocus(), ::GetDlgItem(w, IDCANCEL));
                                PressKey(key);
                            });
        EXPECT_EQ(run.result, IDCANCEL) << key;
    }
}

TEST(ColorPicker, EscapeCancelButtonAndCloseBoxCancel)
{
    Outcome escape = RunPicker(nullptr, [](HWND w) { Click(w, IDC_COLOR10); }, [](HWND) { PressKey(VK_ESCAPE); });
    EXPECT_EQ(escape.result, IDCANCEL);

    Outcome button = RunPicker(nullptr, [](HWND w) { Click(w, IDC_COLOR10); }, [](HWND w) { Click(w, IDCANCEL); });
    EXPECT_EQ(button.result, IDCANCEL);

    Outcome close = RunPicker(nullptr, [](HWND w) { ::PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(close.result, IDCANCEL);
}

TEST(ColorPicker, DoubleClickEndsWithThatColour)
{
    Outcome run = RunPicker(L"MAINCOLOR03", [](HWND w) { DoubleClick(w, IDC_COLOR16); });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(run.selected, L"MAINCOLOR16");
}
