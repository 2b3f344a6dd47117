#include "LockCue.h"

namespace {

// The badge's parts at 96 DPI, from its top left corner: a frame, then within a margin the
// padlock's shackle (an arch of 1-pixel lines) on top of its body, with a keyhole in the body.
struct Part
{
    int left, top, right, bottom;
    bool text;  // window text colour; else window colour
};

constexpr Part kParts[] = {
    { 0, 0, kLockBadgeWidthAt96, kLockBadgeHeightAt96, true },           // frame
    { 1, 1, kLockBadgeWidthAt96 - 1, kLockBadgeHeightAt96 - 1, false },  // inside the frame
    { 3, 2, 8, 3, true },                                                // shackle: top
    { 3, 3, 4, 6, true },                                                //   left leg
    { 7, 3, 8, 6, true },                                                //   right leg
    { 2, 6, 9, 11, true },                                               // body
    { 5, 7, 6, 9, false },                                               // keyhole
};

} // namespace

RECT LockBadgeRect(const RECT& client, int dpi)
{
    const int width = ::MulDiv(kLockBadgeWidthAt96, dpi, USER_DEFAULT_SCREEN_DPI);
    const int height = ::MulDiv(kLockBadgeHeightAt96, dpi, USER_DEFAULT_SCREEN_DPI);
    return { client.right - width, client.bottom - height, client.right, client.bottom };
}

void DrawLockCue(HDC hDC, const RECT& client, int dpi)
{
    const RECT badge = LockBadgeRect(client, dpi);
    // System brushes belong to the system: nothing to delete.
    HBRUSH text = ::GetSysColorBrush(COLOR_WINDOWTEXT);
    HBRUSH window = ::GetSysColorBrush(COLOR_WINDOW);
    for (const Part& part : kParts) {
        const RECT rect = { badge.left + ::MulDiv(part.left, dpi, USER_DEFAULT_SCREEN_DPI),
                            badge.top + ::MulDiv(part.top, dpi, USER_DEFAULT_SCREEN_DPI),
                            badge.left + ::MulDiv(part.right, dpi, USER_DEFAULT_SCREEN_DPI),
                            badge.top + ::MulDiv(part.bottom, dpi, USER_DEFAULT_SCREEN_DPI) };
        ::FillRect(hDC, &rect, part.text ? text : window);
    }
}
