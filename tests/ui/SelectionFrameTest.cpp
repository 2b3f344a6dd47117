// The picker's red selection frame: exactly one after any sequence of clicks and keys, earlier
// frames drawn over in the dialog's own background under the standard and a high-contrast scheme,
// and a width and distance that follow the window's DPI (measured again in a child at 192 DPI).
#include "DialogDriver.h"
#include "DisplaySettings.h"
#include "FramePixels.h"
#include "Palette.h"
#include "PvStColorDlg.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

// The side of a swatch that no neighbour's frame reaches: above the top row, below the bottom one.
Side OpenSide(int row)
{
    return row <= MainColorCount / 2 ? Side::Top : Side::Bottom;
}

// Checks that the selected row, and only it, has a frame, and that every other frame position
// shows the face colour; `reach` covers the widest frame at the window's DPI.
void ExpectOnlyFrameAround(HWND w, int selectedRow)
{
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    const int dpi = DialogDpi(w);
    const int reach = ::MulDiv(3, dpi, 96) + ::MulDiv(2, dpi, 96);
    for (int row = 1; row <= MainColorCount; ++row) {
        const FrameLine line = LineOutside(w, PickerSwatchId(row), OpenSide(row), face, reach);
        if (row == selectedRow) {
            EXPECT_EQ(line.color, kRed) << row;
        } else {
            EXPECT_EQ(line.width, 0) << "a frame stands around " << row << " in colour " << std::hex << line.color;
        }
    }
}

// Clicks and keys that leave frames behind when a paint only covers the previous selection's.
void RunSeriesAndCheck(std::function<void(HWND)> checkMore = nullptr)
{
    PvStColorDlg picker;
    picker.SelectColor(L"MAINCOLOR07");
    HWND w = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &w)
        .Do([&] {
            // Two moves before one paint, then a series painted one by one.
            Click(w, IDC_COLOR03);
            Click(w, IDC_COLOR14);
        })
        .Do([&] { Click(w, IDC_COLOR05); })
        .Do([&] { Click(w, IDC_COLOR12); })
        .Do([] { PressKey(VK_RIGHT); })
        .Do([] { PressKey(VK_UP); })
        .Do([&] {
            ExpectOnlyFrameAround(w, 5);
            if (checkMore)
                checkMore(w);
            PressKey(VK_ESCAPE);
        });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}

} // namespace

TEST(SelectionFrame, OneFrameAfterASeriesAndTheOthersInTheFaceColour)
{
    RunSeriesAndCheck();
}

TEST(SelectionFrame, OneFrameInAHighContrastScheme)
{
    ScopedHighContrast scheme;
    ASSERT_EQ(::GetSysColor(COLOR_3DFACE), RGB(0, 0, 0));
    RunSeriesAndCheck([](HWND w) {
        // The dialog's background itself is the scheme's.
        EXPECT_EQ(ClientPixel(w, 2, 2), RGB(0, 0, 0));
    });
}

// The frame's width and its distance from the swatch, at the DPI this process runs at; the child
// started below runs the same at 192 DPI.
void ExpectFrameScaledToTheWindow()
{
    PvStColorDlg picker;
    picker.SelectColor(L"MAINCOLOR06");
    HWND w = nullptr;
    ModalScript script;
    script.WaitFor(kPickerCaption, &w).Do([&] {
        const int dpi = DialogDpi(w);
        const int width = ::MulDiv(2, dpi, 96);
        const int offset = ::MulDiv(3, dpi, 96);
        const COLORREF face = ::GetSysColor(COLOR_3DFACE);
        for (Side side : { Side::Left, Side::Top, Side::Right, Side::Bottom }) {
            const FrameLine line = LineOutside(w, IDC_COLOR06, side, face, offset + width + 2);
            EXPECT_EQ(line.color, kRed) << static_cast<int>(side);
            EXPECT_EQ(line.width, width) << static_cast<int>(side);
            // The pen's line is centred on the rectangle `offset` pixels outside the swatch, whose
            // right and bottom edges GDI takes as exclusive: one pixel nearer on those sides.
            const bool exclusiveEdge = side == Side::Right || side == Side::Bottom;
            EXPECT_EQ(line.gap + line.width / 2 + (exclusiveEdge ? 1 : 0), offset) << static_cast<int>(side);
            ::printf("[ figures  ] %d DPI, side %d: gap %d px, red %d px\n", dpi, static_cast<int>(side), line.gap,
                     line.width);
        }
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}

TEST(SelectionFrame, WidthAndDistanceAt96Dpi)
{
    if (ChildTestDpi())
        GTEST_SKIP() << "run by the parent";
    ExpectFrameScaledToTheWindow();
}

TEST(AtChildDpi, FrameWidthAndDistance)
{
    if (!ChildTestDpi())
        GTEST_SKIP() << "runs in the child that SelectionFrame.WidthAndDistanceAt192Dpi starts";
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, ChildTestDpi()) << "Wine did not start this process at the display scale asked for";
    ExpectFrameScaledToTheWindow();
}

TEST(SelectionFrame, WidthAndDistanceAt192Dpi)
{
    if (ChildTestDpi())
        GTEST_SKIP() << "run by the parent";
    EXPECT_EQ(RunAgainAtDpi(192, L"--gtest_filter=AtChildDpi.*"), 0) << "the child's failures are in its output above";
}
