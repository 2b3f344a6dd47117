#include "StaticMainColor.h"

#include "PaletteTable.h"

StaticMainColor::StaticMainColor() : m_strColorName(MainColorOfRow(1).name)
{
}

StaticMainColor::~StaticMainColor() = default;

BEGIN_MESSAGE_MAP(StaticMainColor, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void StaticMainColor::OnPaint()
{
    CPaintDC dc(this);
    RECT rect;
    GetClientRect(&rect);

    PaletteTable palette;
    palette.BuildMainColors();

    // Any text outside the palette shows the first main colour.
    int row = palette.FindByName(m_strColorName);
    if (row == 0)
        row = palette.FindByName(MainColorOfRow(1).name);
    const PaletteEntry& entry = palette.m_aEntries[row];
    dc.FillSolidRect(&rect, RGB(entry.m_nRed, entry.m_nGreen, entry.m_nBlue));
}
