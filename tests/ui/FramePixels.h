#pragma once
// Reads the frames that the picker draws around its swatches, and the focus cue inside a settings
// swatch, from the pixels on screen.
#include <afxwin.h>

// What lies outside one side of a control, walking away from the middle of that side through its
// dialog's client area: `gap` pixels of the background, then `width` pixels of `color` (the first
// other colour). width is 0 when only background lies within `reach` pixels.
struct FrameLine
{
    int gap = 0;
    int width = 0;
    COLORREF color = CLR_INVALID;
};

enum class Side { Left, Top, Right, Bottom };

FrameLine LineOutside(HWND dialog, int controlId, Side side, COLORREF background, int reach);

// The colours across the middle row of a control's client area, from its left edge to its middle.
struct CueRun
{
    COLORREF color;
    int width;
};
// Runs of equal colours along that row, in order.
int ColourRunsToMiddle(HWND dialog, int controlId, CueRun* runs, int maxRuns);

// The DPI that the dialog's window has.
int DialogDpi(HWND dialog);
