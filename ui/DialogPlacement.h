#pragma once
// Where the module's dialogs open: wholly inside the work area of a monitor, the settings dialog
// centred on its owner, the picker beside what it edits.
#include <windows.h>

// The work area (the screen less the task bars) of the monitor nearest to the window.
RECT WorkAreaOf(HWND hWnd);

// The rectangle moved by the least distance that puts it inside `area`; one larger than the area
// keeps its top-left corner inside, so that the caption stays reachable.
RECT MovedInside(const RECT& rect, const RECT& area);

// The rectangle of `size` beside `keepClear` (to its right, its left, below it, above it: the first
// side where it fits wholly inside `area`), not overlapping it; where no side fits, below it, moved
// inside the area.
RECT PlacedBeside(const RECT& keepClear, SIZE size, const RECT& area, int gap);

// Centres the dialog on its owner window (on the work area without one) and keeps it inside the
// work area of the owner's monitor: where both cannot hold, inside wins.
void CentreOnOwner(HWND dialog);

// Moves the popup beside `keepClear` (screen coordinates) inside the work area of its monitor, or
// only inside that work area when `keepClear` is empty.
void PlaceBeside(HWND popup, const RECT& keepClear);
