#include "FocusCue.h"

#include "WindowDpi.h"

namespace {

// Fills a ring of the given thickness just inside `outer`, and returns what lies inside the ring.
RECT FillRing(HDC hDC, const RECT& outer, int thickness, HBRUSH brush)
{
    const RECT sides[] = {
        { outer.left, outer.top, outer.right, outer.top + thickness },
        { outer.left, outer.bottom - thickness, outer.right, outer.bottom },
        { outer.left, outer.top + thickness, outer.left + thickness, outer.bottom - thickness },
        { outer.right - thickness, outer.top + thickness, outer.right, outer.bottom - thickness },
    };
    for (const RECT& side : sides)
        ::FillRect(hDC, &side, brush);
    RECT inner = outer;
    ::InflateRect(&inner, -thickness, -thickness);
    return inner;
}

} // namespace

bool ShowsFocusCue(HWND control)
{
    if (::GetFocus() != control)
        return false;
    return !(::SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void DrawFocusCue(HDC hDC, const RECT& client, int dpi)
{
    // System brushes belong to the system: nothing to delete.
    HBRUSH highlight = ::GetSysColorBrush(COLOR_HIGHLIGHT);
    HBRUSH highlightText = ::GetSysColorBrush(COLOR_HIGHLIGHTTEXT);
    const int line = ScaleToDpi(kFocusCueLineAt96, dpi);
    RECT ring = client;
    const int margin = ScaleToDpi(kFocusCueMarginAt96, dpi);
    ::InflateRect(&ring, -margin, -margin);
    ring = FillRing(hDC, ring, line, highlightText);
    ring = FillRing(hDC, ring, ScaleToDpi(kFocusCueBandAt96, dpi), highlight);
    FillRing(hDC, ring, line, highlightText);
}
