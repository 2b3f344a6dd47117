// Where the dialogs open, as geometry: monitors left of and above the primary (negative
// coordinates), dialogs larger than the work area, rows near each edge, and the last resorts.
#include "DialogPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr RECT kPrimary = { 0, 0, 1920, 1040 };        // work area of the primary monitor
constexpr RECT kLeftAbove = { -1920, -1080, 0, -40 };  // of a monitor left of and above it
constexpr RECT kSmall = { 0, 0, 800, 600 };
constexpr SIZE kDialog = { 300, 200 };
constexpr SIZE kPicker = { 200, 100 };

std::string Text(const RECT& rect)
{
    return (::testing::Message() << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom).GetString();
}

} // namespace

TEST(DialogPlacement, SettingsCentredOnItsOwnerAndPickerBesideItsRowInsideTheWorkArea)
{
    // `beside`: the picker beside the row, 4 pixels away; else the settings dialog centred on its owner.
    const struct { const char* what; bool beside; RECT area; RECT around; SIZE size; RECT expected; } cases[] = {
        { "owner on the monitor left of and above", false, kLeftAbove, { -1500, -900, -900, -500 }, kDialog,
          { -1350, -800, -1050, -600 } },
        { "owner over that monitor's top left", false, kLeftAbove, { -2100, -1200, -1700, -900 }, kDialog,
          { -1920, -1080, -1620, -880 } },
        { "dialog larger than the work area", false, kSmall, kSmall, { 900, 700 }, { 0, 0, 900, 700 } },
        { "row at the left edge", true, kPrimary, { 10, 400, 210, 420 }, kPicker, { 214, 360, 414, 460 } },
        { "row at the right edge", true, kPrimary, { 1700, 400, 1900, 420 }, kPicker, { 1496, 360, 1696, 460 } },
        { "row at the bottom edge", true, kPrimary, { 800, 1000, 1000, 1020 }, kPicker, { 1004, 940, 1204, 1040 } },
        { "row at the top edge, left and above", true, kLeftAbove, { -1000, -1075, -800, -1060 }, kPicker,
          { -796, -1080, -596, -980 } },
        { "room above only, less than the gap", true, kSmall, { 100, 102, 700, 580 }, kPicker, { 100, 0, 300, 100 } },
        { "no room anywhere: below, moved inside", true, kSmall, { 100, 50, 700, 550 }, kPicker, { 100, 500, 300, 600 } },
        { "picker larger than the work area", true, kSmall, { 100, 100, 200, 120 }, { 900, 700 }, { 0, 0, 900, 700 } },
    };
    for (const auto& c : cases) {
        const RECT placed = c.beside ? PlacedBeside(c.around, c.size, c.area, 4) : CentredInside(c.around, c.size, c.area);
        EXPECT_EQ(Text(placed), Text(c.expected)) << c.what;
    }
}
