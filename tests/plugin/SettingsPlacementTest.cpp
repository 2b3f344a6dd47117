// Where the two dialogs of Rimtone.dll open on the screen: inside the work area, the settings
// dialog centred on its host window, the picker beside the row it edits.
#include "DialogDriver.h"
#include "RimtoneDllFixture.h"
#include "resource.h"

#include <cstdlib>

namespace {

RECT ScreenRect(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT ScreenRect(HWND dialog, int controlId)
{
    return ScreenRect(::GetDlgItem(dialog, controlId));
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Meet(const RECT& a, const RECT& b)
{
    RECT overlap;
    return ::IntersectRect(&overlap, &a, &b) != FALSE;
}

RECT WorkArea()
{
    RECT area;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

TEST_F(RimtoneDllTest, SettingsDialogsOpenInsideTheWorkAreaAndThePickerBesideItsRow)
{
    StartCommand();
    const RECT area = WorkArea();
    struct Case { const char* where; int x; int y; };
    // Centred on a host window with room around it, then hosts hanging over each corner.
    const Case cases[] = {
        { "middle", area.left + 200, area.top + 150 },
        { "bottom right", area.right - 150, area.bottom - 80 },
        { "top left", area.left - 250, area.top - 150 },
        { "top right", area.right - 100, area.top - 100 },
        { "bottom left", area.left - 200, area.bottom - 50 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        HWND host = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, c.x, c.y, 600, 450,
                                      nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
        ::SetActiveWindow(host);
        ModalScript run;
        HWND shown = nullptr;
        HWND pickerShown = nullptr;
        run.WaitFor(kSettingsCaption, &shown).Do([&] {
            const RECT dialog = ScreenRect(shown);
            EXPECT_TRUE(Inside(dialog, area));
            if (c.x == area.left + 200) {
                const RECT owner = ScreenRect(host);
                EXPECT_LE(std::abs((dialog.left + dialog.right) - (owner.left + owner.right)), 1) << "centred across";
                EXPECT_LE(std::abs((dialog.top + dialog.bottom) - (owner.top + owner.bottom)), 1) << "centred down";
            }
        });
        // The drill row (first), the tap row's second swatch, and the undetermined row (last).
        const struct { int swatch; int label; int other; } rows[] = {
            { IDC_SWATCH_DRILL, IDC_LABEL_DRILL, IDC_SWATCH_DRILL },
            { IDC_SWATCH_TAP_SECOND, IDC_LABEL_TAP, IDC_SWATCH_TAP },
            { IDC_SWATCH_UNDETERMINED, IDC_LABEL_UNDETERMINED, IDC_SWATCH_UNDETERMINED },
        };
        for (const auto& row : rows) {
            run.Do([&shown, row] { Click(shown, row.swatch); })
                .WaitFor(kPickerCaption, &pickerShown)
                .Do([&shown, &pickerShown, &area, row] {
                    SCOPED_TRACE(row.swatch);
                    const RECT rect = ScreenRect(pickerShown);
                    EXPECT_TRUE(Inside(rect, area));
                    EXPECT_FALSE(Meet(rect, ScreenRect(shown, row.swatch)));
                    EXPECT_FALSE(Meet(rect, ScreenRect(shown, row.label)));
                    EXPECT_FALSE(Meet(rect, ScreenRect(shown, row.other)));
                    PressKey(VK_ESCAPE);
                })
                .Then([] { return FindShownDialog(kPickerCaption) == nullptr; });
        }
        run.Do([] { PressKey(VK_ESCAPE); });
        EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
        EXPECT_TRUE(run.Finished());
        ::DestroyWindow(host);
    }
}
