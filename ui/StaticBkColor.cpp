#include "StaticBkColor.h"

#include "PaletteTable.h"
#include "resource.h"

namespace {

struct SwatchColor
{
    int controlId;
    const wchar_t* colorName;
};

const SwatchColor kSwatchColors[] = {
    { IDC_COLOR01, L"MAINCOLOR01" }, { IDC_COLOR02, L"MAINCOLOR02" }, { IDC_COLOR03, L"MAINCOLOR03" },
    { IDC_COLOR04, L"MAINCOLOR04" }, { IDC_COLOR05, L"MAINCOLOR05" }, { IDC_COLOR06, L"MAINCOLOR06" },
    { IDC_COLOR07, L"MAINCOLOR07" }, { IDC_COLOR08, L"MAINCOLOR08" }, { IDC_COLOR09, L"MAINCOLOR09" },
    { IDC_COLOR10, L"MAINCOLOR10" }, { IDC_COLOR11, L"MAINCOLOR11" }, { IDC_COLOR12, L"MAINCOLOR12" },
    { IDC_COLOR13, L"MAINCOLOR13" }, { IDC_COLOR14, L"MAINCOLOR14" }, { IDC_COLOR15, L"MAINCOLOR15" },
    { IDC_COLOR16, L"MAINCOLOR16" },
};

} // namespace

StaticBkColor::StaticBkColor() = default;

StaticBkColor::~StaticBkColor() = default;

BEGIN_MESSAGE_MAP(StaticBkColor, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void StaticBkColor::OnPaint()
{
    CPaintDC dc(this);
    RECT rect;
    GetClientRect(&rect);

    PaletteTable palette;
    palette.BuildMainColors();

    COLORREF color = RGB(0, 0, 0);  // a control id outside the palette's swatches
    const int controlId = GetDlgCtrlID();
    for (const SwatchColor& swatch : kSwatchColors) {
        if (swatch.controlId == controlId) {
            const PaletteEntry& entry = palette.m_aEntries[palette.FindByName(swatch.colorName)];
            color = RGB(entry.m_nRed, entry.m_nGreen, entry.m_nBlue);
            break;
        }
    }
    dc.FillSolidRect(&rect, color);
}
