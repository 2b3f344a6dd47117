#include "StaticBkColor.h"

#include "SwatchControls.h"

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
    if (const int row = PickerSwatchRow(GetDlgCtrlID())) {
        const PaletteEntry& entry = palette.m_aEntries[palette.FindByName(MainColorOfRow(row).name)];
        color = RGB(entry.m_nRed, entry.m_nGreen, entry.m_nBlue);
    }
    dc.FillSolidRect(&rect, color);
}
