#pragma once
// The 16 palette colours as a person sees them, for comparing pixels.
#include <windows.h>

inline COLORREF PaletteColor(int number)
{
    static const COLORREF colors[16] = {
        RGB(255, 255, 255), RGB(0, 192, 255), RGB(60, 255, 80),   RGB(255, 64, 192),
        RGB(224, 224, 0),   RGB(255, 0, 0),   RGB(255, 128, 128), RGB(0, 128, 255),
        RGB(255, 255, 0),   RGB(128, 128, 128), RGB(0, 255, 255), RGB(0, 0, 255),
        RGB(128, 0, 255),   RGB(128, 128, 255), RGB(128, 0, 128), RGB(128, 128, 0),
    };
    return colors[number - 1];
}

// Picker swatch ids in palette order.
inline int PickerSwatchId(int number)
{
    return number == 1 ? 17015 : 17030 + number;
}
