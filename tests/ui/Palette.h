#pragma once
// The palette colours as a person sees them, for comparing pixels, and the picker's swatch ids
// (PickerSwatchId), both from the module's own tables; the palette test checks those tables.
#include "PaletteTable.h"
#include "SwatchControls.h"

inline COLORREF PaletteColor(int row)
{
    const MainColor& color = MainColorOfRow(row);
    return RGB(color.red, color.green, color.blue);
}
