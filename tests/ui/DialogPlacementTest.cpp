// Where the dialogs open, as geometry: monitors left of and above the primary (negative
// coordinates), dialogs larger than the work area, rows near each edge, and the last resorts.
#include "DialogPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr RECT kPrimary = { 0, 0, 1920, 1040 };        // work area of the primary monitor
constexpr RECT kLeftAbove = { -1920, -1080, 0, -40 };  // of a monitor left of and above it
constexpr RECT kSmall = { 0, 0, 800, 600 };

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::Message Show(const RECT& rect)
{
    return ::testing::Message() << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

} // namespace

TEST(DialogPlacement, SettingsDialogCentredOnItsOwnerInsideTheWorkArea)
{
    const struct { const char* what; RECT area; RECT owner; SIZE size; RECT expected; } cases[] = {
        { "owner mid-screen", kPrimary, { 400, 300, 1000, 700 }, { 300, 200 }, { 550, 400, 850, 600 } },
        { "owner on the monitor left of and above", kLeftAbove, { -1500, -900, -900, -500 }, { 300, 200 },
          { -1350, -800, -1050, -600 } },
        { "owner hanging over that monitor's top left", kLeftAbove, { -2100, -1200, -1700, -900 }, { 300, 200 },
          { -1920, -1080, -1620, -880 } },
        { "dialog larger than the work area", kSmall, kSmall, { 900, 700 }, { 0, 0, 900, 700 } },
    };
    for (const auto& c : cases) {
        const RECT placed = CentredInside(c.owner, c.size, c.area);
        EXPECT_TRUE(Same(placed, c.expected)) << c.what << ": " << Show(placed);
    }
}

TEST(DialogPlacement, PickerBesideItsRowAndClearOfItWhereverTheWorkAreaAllows)
{
    const SIZE picker = { 200, 100 };
    const struct { const char* what; RECT area; RECT row; SIZE size; RECT expected; } cases[] = {
        { "right of the row", kPrimary, { 500, 400, 700, 420 }, picker, { 704, 360, 904, 460 } },
        { "row at the left edge", kPrimary, { 10, 400, 210, 420 }, picker, { 214, 360, 414, 460 } },
        { "row at the right edge: left of it", kPrimary, { 1700, 400, 1900, 420 }, picker, { 1496, 360, 1696, 460 } },
        { "row at the bottom edge: moved up", kPrimary, { 800, 1000, 1000, 1020 }, picker, { 1004, 940, 1204, 1040 } },
        { "row at the top edge of the monitor left and above", kLeftAbove, { -1000, -1075, -800, -1060 }, picker,
          { -796, -1080, -596, -980 } },
        { "room above only, less than the gap", kSmall, { 100, 102, 700, 580 }, picker, { 100, 0, 300, 100 } },
        { "no room anywhere: below, moved inside", kSmall, { 100, 50, 700, 550 }, picker, { 100, 500, 300, 600 } },
        { "picker larger than the work area", kSmall, { 100, 100, 200, 120 }, { 900, 700 }, { 0, 0, 900, 700 } },
    };
    for (const auto& c : cases) {
        const RECT placed = PlacedBeside(c.row, c.size, c.area, 4);
        EXPECT_TRUE(Same(placed, c.expected)) << c.what << ": " << Show(placed);
    }
}
