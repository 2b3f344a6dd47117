#include "SlotColours.h"

#include "PaletteTable.h"

namespace {

const wchar_t* const kCategoryLabels[CategorySlotCount] = {
    L"undetermined", L"drill", L"boring", L"reamer", L"tap", L"tap (2nd)",
    L"counterbore", L"JG", L"JB", L"WC", L"milling", L"slot",
};

SlotColour FromRow(const PaletteTable& palette, int row)
{
    const PaletteEntry& entry = palette.m_aEntries[row];
    return { entry.m_strName, entry.m_nNumber, { entry.m_nRed & 0xFF, entry.m_nGreen & 0xFF, entry.m_nBlue & 0xFF },
             row != 0 };
}

} // namespace

SlotColour ResolvePaletteName(const CString& name)
{
    PaletteTable palette;
    palette.BuildMainColors();
    return FromRow(palette, palette.FindByName(name));
}

SlotColour PaletteColour(int row)
{
    PaletteTable palette;
    palette.BuildMainColors();
    return FromRow(palette, row >= 1 && row <= palette.m_nCount ? row : 0);
}

const wchar_t* SlotCategoryLabel(int slot)
{
    return slot >= 0 && slot < CategorySlotCount ? kCategoryLabels[slot] : L"";
}

SlotNames DefaultSlotNames()
{
    SlotNames names;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        names[slot] = CategoryColorValues[slot].defaultColorName;
    return names;
}
