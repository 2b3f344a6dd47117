#pragma once
// The 12 category slots as the colour tool presents them: their labels, their defaults and the
// palette colour each name stands for.
#include "ColourScience.h"
#include "RegFile.h"

#include <PaletteTable.h>

#include <string>

// A palette colour as a load resolves a name: a name outside the palette is row 0 (colour 0, white).
struct SlotColour
{
    CString name;  // the palette's own spelling, MAINCOLOR01 for the not-found row
    int number = 0;
    Rgb8 rgb;
    bool inPalette = false;
};

// The colour a load makes of the name, as FindMainColor finds it.
SlotColour ResolvePaletteName(const CString& name);

// "undetermined", "drill", ... "tap", "tap (2nd)", ... "slot": what each slot colours.
std::wstring SlotCategoryLabel(int slot);

// The 12 default names, in slot order.
SlotNames DefaultSlotNames();
