#include "PaletteTable.h"

namespace {

struct MainColor
{
    const wchar_t* name;
    int number;
    int red;
    int green;
    int blue;
};

// Row order: the row index is the two digits of the name, the colour number one less.
const MainColor kMainColors[] = {
    { L"MAINCOLOR01", 0, 255, 255, 255 },
    { L"MAINCOLOR02", 1, 0, 192, 255 },
    { L"MAINCOLOR03", 2, 60, 255, 80 },
    { L"MAINCOLOR04", 3, 255, 64, 192 },
    { L"MAINCOLOR05", 4, 224, 224, 0 },
    { L"MAINCOLOR06", 5, 255, 0, 0 },
    { L"MAINCOLOR07", 6, 255, 128, 128 },
    { L"MAINCOLOR08", 7, 0, 128, 255 },
    { L"MAINCOLOR09", 8, 255, 255, 0 },
    { L"MAINCOLOR10", 9, 128, 128, 128 },
    { L"MAINCOLOR11", 10, 0, 255, 255 },
    { L"MAINCOLOR12", 11, 0, 0, 255 },
    { L"MAINCOLOR13", 12, 128, 0, 255 },
    { L"MAINCOLOR14", 13, 128, 128, 255 },
    { L"MAINCOLOR15", 14, 128, 0, 128 },
    { L"MAINCOLOR16", 15, 128, 128, 0 },
};

} // namespace

void PaletteTable::BuildMainColors()
{
    for (const MainColor& color : kMainColors) {
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
