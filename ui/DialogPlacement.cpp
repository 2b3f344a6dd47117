#include "DialogPlacement.h"

#include "WindowDpi.h"

namespace {

// Space left between the picker and the row it edits, in pixels at 96 DPI.
constexpr int kGapAt96 = 4;

LONG Width(const RECT& rect)
{
    return rect.right - rect.left;
}

LONG Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

RECT RectAt(LONG left, LONG top, SIZE size)
{
    return { left, top, left + size.cx, top + size.cy };
}

bool Contains(const RECT& area, const RECT& rect)
{
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right && rect.bottom <= area.bottom;
}

// The primary monitor's work area stands in for a monitor the system cannot describe.
RECT WorkAreaOfMonitor(HMONITOR monitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    RECT area = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void MoveWindowTo(HWND hWnd, const RECT& rect)
{
    ::SetWindowPos(hWnd, nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The work area (the screen less the task bars) of the monitor nearest to the window.
RECT WorkAreaOf(HWND hWnd)
{
    return WorkAreaOfMonitor(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST));
}

// The rectangle moved by the least distance that puts it inside `area`; one larger than the area
// keeps its top-left corner inside, so that the caption stays reachable.
RECT MovedInside(const RECT& rect, const RECT& area)
{
    LONG left = rect.left;
    LONG top = rect.top;
    if (left + Width(rect) > area.right)
        left = area.right - Width(rect);
    if (top + Height(rect) > area.bottom)
        top = area.bottom - Height(rect);
    if (left < area.left)
        left = area.left;
    if (top < area.top)
        top = area.top;
    return RectAt(left, top, { Width(rect), Height(rect) });
}

} // namespace

RECT CentredInside(const RECT& around, SIZE size, const RECT& workArea)
{
    const LONG left = (around.left + around.right - size.cx) / 2;
    const LONG top = (around.top + around.bottom - size.cy) / 2;
    return MovedInside(RectAt(left, top, size), workArea);
}

RECT PlacedBeside(const RECT& keepClear, SIZE size, const RECT& workArea, int gap)
{
    // Beside the row, centred on it across; then moved along that side into the work area, which
    // keeps it clear of the row: only the distance from the row decides whether a side fits.
    const LONG middleTop = (keepClear.top + keepClear.bottom - size.cy) / 2;
    const RECT sides[] = {
        RectAt(keepClear.right + gap, middleTop, size),
        RectAt(keepClear.left - gap - size.cx, middleTop, size),
        RectAt(keepClear.left, keepClear.bottom + gap, size),
        RectAt(keepClear.left, keepClear.top - gap - size.cy, size),
    };
    for (const RECT& side : sides) {
        const RECT inside = MovedInside(side, workArea);
        RECT overlap;
        if (Contains(workArea, inside) && !::IntersectRect(&overlap, &inside, &keepClear))
            return inside;
    }
    return MovedInside(sides[2], workArea);
}

void CentreOnOwner(HWND dialog)
{
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    const RECT area = WorkAreaOf(owner ? owner : dialog);
    RECT around = area;
    if (owner && !::IsIconic(owner))
        ::GetWindowRect(owner, &around);
    RECT rect;
    ::GetWindowRect(dialog, &rect);
    MoveWindowTo(dialog, CentredInside(around, { Width(rect), Height(rect) }, area));
}

void PlaceBeside(HWND popup, const RECT& keepClear)
{
    RECT rect;
    ::GetWindowRect(popup, &rect);
    const SIZE size = { Width(rect), Height(rect) };
    if (::IsRectEmpty(&keepClear)) {
        MoveWindowTo(popup, CentredInside(rect, size, WorkAreaOf(popup)));
        return;
    }
    // The monitor of the row, which may not be the one the popup was created on.
    const RECT area = WorkAreaOfMonitor(::MonitorFromRect(&keepClear, MONITOR_DEFAULTTONEAREST));
    const int gap = ScaleToDpi(kGapAt96, WindowDpi(popup, nullptr));
    MoveWindowTo(popup, PlacedBeside(keepClear, size, area, gap));
}
