#pragma once
// The focus cue of a settings swatch: a ring in the system's highlight colours inside the swatch,
// so that it shows on every palette colour (one of its two colours always stands out) and cannot be
// taken for the picker's red selection frame outside a swatch.
#include <afxwin.h>

// Widths at 96 DPI, from the swatch's edge inwards: a margin of swatch colour, a line of highlight
// text colour, a band of highlight colour, another line of highlight text colour.
constexpr int kFocusCueMarginAt96 = 1;
constexpr int kFocusCueLineAt96 = 1;
constexpr int kFocusCueBandAt96 = 2;

// Whether a control shows its focus cue now: it has the focus, and the keyboard has been used in
// its window (the system hides focus cues until then: UISF_HIDEFOCUS).
bool ShowsFocusCue(HWND control);

// Draws the cue inside the client rectangle, scaled to the DPI.
void DrawFocusCue(HDC hDC, const RECT& client, int dpi);
