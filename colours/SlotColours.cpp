#include "SlotColours.h"

#include <HoleCategory.h>

SlotColour ResolvePaletteName(const CString& name)
{
    const FoundColor found = FindMainColor(name);
    const PaletteEntry& entry = found.entry;
    return { entry.m_strName, entry.m_nNumber, { entry.m_nRed & 0xFF, entry.m_nGreen & 0xFF, entry.m_nBlue & 0xFF },
             found.row != 0 };
}

std::wstring SlotCategoryLabel(int slot)
{
    if (slot < 0 || slot >= CategorySlotCount)
        return std::wstring();
    const SlotUse& use = UseOfSlot(slot);
    return std::wstring(FactsOf(use.category).name) + (use.second ? L" (2nd)" : L"");
}

SlotNames DefaultSlotNames()
{
    SlotNames names;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        names[slot] = CategoryColorValues[slot].defaultColorName;
    return names;
}
