#pragma once
// The 12 category slots as the colour tool presents them: their labels, their defaults and the
// palette colour each name stands for.
#include "ColourScience.h"
#include "RegFile.h"

// A palette colour as a load resolves a name: a name outside the palette is row 0 (colour 0, white).
struct SlotColour
{
    CString name;  // the palette's own spelling, MAINCOLOR01 for the not-found row
    int number = 0;
    Rgb8 rgb;
    bool inPalette = false;
};

SlotColour ResolvePaletteName(const CString& name);
// The palette colour of row 1..16.
SlotColour PaletteColour(int row);
constexpr int MainColourCount = 16;

// "undetermined", "drill", ... "slot": what each slot colours.
const wchar_t* SlotCategoryLabel(int slot);

// The 12 default names, in slot order.
SlotNames DefaultSlotNames();
