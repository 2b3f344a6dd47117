#include "PaletteTable.h"

void PaletteTable::BuildMainColors()
{
    for (const MainColor& color : MainColors) {
        // A table is built once; a second build must not run past the last row.
        if (m_nCount + 1 >= Capacity)
            return;
        ++m_nCount;
        PaletteEntry& row = m_aEntries[m_nCount];
        row.m_strName = color.name;
        row.m_nNumber = color.number;
        row.m_nRed = color.red;
        row.m_nGreen = color.green;
        row.m_nBlue = color.blue;
    }
}

int PaletteTable::FindByName(CString name) const
{
    for (int index = 1; index <= m_nCount; ++index) {
        if (name.CompareNoCase(m_aEntries[index].m_strName) == 0)
            return index;
    }
    return 0;
}

FoundColor FindMainColor(CString name)
{
    PaletteTable palette;
    palette.BuildMainColors();
    FoundColor found;
    found.row = palette.FindByName(name);
    found.entry = palette.m_aEntries[found.row];
    return found;
}
