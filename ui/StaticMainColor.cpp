#include "StaticMainColor.h"

#include "FocusCue.h"
#include "LockCue.h"
#include "PaletteTable.h"
#include "WindowDpi.h"

StaticMainColor::StaticMainColor() : m_strColorName(MainColorOfRow(1).name)
{
}

StaticMainColor::~StaticMainColor() = default;

BEGIN_MESSAGE_MAP(StaticMainColor, CStatic)
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETFOCUS, &StaticMainColor::OnFocusCueChanged)
    ON_MESSAGE(WM_KILLFOCUS, &StaticMainColor::OnFocusCueChanged)
    ON_MESSAGE(WM_UPDATEUISTATE, &StaticMainColor::OnFocusCueChanged)
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
    // The dialog disables exactly the swatches whose colour the administrator locked.
    if (!::IsWindowEnabled(m_hWnd))
        DrawLockCue(dc.m_hDC, rect, WindowDpi(m_hWnd, dc.m_hDC));
    else if (ShowsFocusCue(m_hWnd))
        DrawFocusCue(dc.m_hDC, rect, WindowDpi(m_hWnd, dc.m_hDC));
}

LRESULT StaticMainColor::OnFocusCueChanged(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    InvalidateRect(nullptr, FALSE);
    return result;
}
