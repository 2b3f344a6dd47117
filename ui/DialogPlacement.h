#pragma once
// Where the module's dialogs open: wholly inside the work area of a monitor, the settings dialog
// centred on its owner, the picker beside what it edits. The geometry is pure, rectangles in and a
// rectangle out, for any arrangement of monitors (negative coordinates included); the window
// functions look the rectangles up and move the window.
#include <afxwin.h>

// The rectangle of `size` centred on `around`, moved inside `workArea` by the least distance; one
// larger than the work area keeps its top-left corner inside, so that its caption stays reachable.
RECT CentredInside(const RECT& around, SIZE size, const RECT& workArea);

// The rectangle of `size` inside `workArea` beside `keepClear`, up to `gap` pixels from it: to its
// right, its left, below it or above it, the first side where it fits clear of it, centred on it
// across and moved into the work area as far as needed. Only where no place inside the work area
// avoids `keepClear` does it go below it, moved inside, and may cover it.
RECT PlacedBeside(const RECT& keepClear, SIZE size, const RECT& workArea, int gap);

// Centres the dialog on its owner window (on the work area without one, or with a minimised one)
// inside the work area of the owner's monitor.
void CentreOnOwner(HWND dialog);

// Moves the popup beside `keepClear` (screen coordinates) inside the work area of that rectangle's
// monitor, or only inside the work area of its own monitor when `keepClear` is empty.
void PlaceBeside(HWND popup, const RECT& keepClear);
