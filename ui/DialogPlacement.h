#pragma once
// Where the module's dialogs open: wholly inside the work area of a monitor, the settings dialog
// centred on its owner, the picker beside what it edits.
#include <afxwin.h>

// Centres the dialog on its owner window (on the work area without one) and keeps it inside the
// work area of the owner's monitor: where both cannot hold, inside wins.
void CentreOnOwner(HWND dialog);

// Moves the popup beside `keepClear` (screen coordinates) inside the work area of its monitor, or
// only inside that work area when `keepClear` is empty.
void PlaceBeside(HWND popup, const RECT& keepClear);
