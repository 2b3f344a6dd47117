#include "StaticMainColor.h"

#include "PaletteTable.h"

StaticMainColor::StaticMainColor() : m_strColorName(L"MAINCOLOR01")
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

    CString name(L"MAINCOLOR01");
    for (int number = 1; number <= 16; ++number) {
        CString candidate;
        candidate.Format(L"MAINCOLOR%02d", number);
        if (m_strColorName.CompareNoCase(candidate) == 0) {
            name = candidate;
            break;
        }
    }
    const PaletteEntry& entry = palette.m_aEntries[palette.FindByName(name)];
    dc.FillSolidRect(&rect, RGB(entry.m_nRed, entry.m_nGreen, entry.m_nBlue));
}
