#include "PvStColorDlg.h"

#include "DialogPlacement.h"
#include "SwatchControls.h"
#include "WindowDpi.h"

namespace {

const COLORREF kSelectionRed = RGB(255, 0, 0);
// What a screen reader may do to a swatch, named as the system names it for a radio button, in the
// picker's English: select it, as a click does.
const wchar_t kCheckAction[] = L"Check";
// The selection frame at 96 DPI: its line's width, and how far outside the swatch it runs.
constexpr int kFrameWidthAt96 = 2;
constexpr int kFrameOffsetAt96 = 3;
// The swatches stand in two rows of eight, in palette order.
constexpr int kGridColumns = MainColorCount / 2;

// The palette name a picker swatch stands for; empty for any other control.
CString ColorNameOfSwatch(UINT controlId)
{
    const int row = PickerSwatchRow(static_cast<int>(controlId));
    return row ? CString(MainColorOfRow(row).name) : CString();
}

// The palette row a key leads to from `row`, or 0 for a key that does not move in the grid. Right
// and Left follow palette order round from the last colour to the first; Up and Down go to the same
// column of the other row.
int RowAfterKey(int row, UINT key)
{
    switch (key) {
    case VK_RIGHT:
        return row % MainColorCount + 1;
    case VK_LEFT:
        return (row + MainColorCount - 2) % MainColorCount + 1;
    case VK_UP:
    case VK_DOWN:
        return row > kGridColumns ? row - kGridColumns : row + kGridColumns;
    case VK_HOME:
        return 1;
    case VK_END:
        return MainColorCount;
    default:
        return 0;
    }
}

// The colour the dialog's background really is: what it paints its background with (the answer to
// WM_CTLCOLORDLG), not the default background colour of a device context, which is white.
COLORREF DialogBackgroundColor(HWND dialog, HDC hDC)
{
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(dialog)));
    LOGBRUSH logBrush = {};
    if (brush && ::GetObjectW(brush, sizeof logBrush, &logBrush) == sizeof logBrush && logBrush.lbStyle == BS_SOLID)
        return logBrush.lbColor;
    return ::GetSysColor(COLOR_3DFACE);
}

} // namespace

PvStColorDlg::PvStColorDlg(CWnd* pParent)
    : CDialog(IDD_COLOR_PROPERTY, pParent), m_strSelColor(MainColorOfRow(1).name)
{
}

PvStColorDlg::~PvStColorDlg() = default;

BEGIN_MESSAGE_MAP(PvStColorDlg, CDialog)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR01, IDC_COLOR01, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR02, IDC_COLOR16, &PvStColorDlg::OnSwatchClicked)
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR01, IDC_COLOR01, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR02, IDC_COLOR16, &PvStColorDlg::OnSwatchDoubleClicked)
END_MESSAGE_MAP()

int PvStColorDlg::GetColorCtrlId(CString colorName)
{
    const int row = FindMainColor(colorName).row;
    return PickerSwatchId(row ? row : 1);
}

void PvStColorDlg::SelectColor(CString colorName)
{
    if (m_strSelColor.CompareNoCase(colorName) == 0)
        return;
    m_strPrevColor = m_strSelColor;
    m_strSelColor = colorName;
    if (m_hWnd) {
        UpdateGridTabStop();
        InvalidateRect(nullptr, FALSE);
    }
    m_accessibleSwatches.Refresh();
}

void PvStColorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int row = 1; row <= MainColorCount; ++row)
        DDX_Control(pDX, PickerSwatchId(row), m_aSwatches[row - 1]);
}

BOOL PvStColorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_accessibleSwatches.Attach(m_aSwatches, [this](int index, SwatchFacts& facts) {
        const int id = PickerSwatchId(index + 1);
        facts.role = ROLE_SYSTEM_RADIOBUTTON;
        facts.name = MainColorOfRow(index + 1).name;
        // The swatch framed in red: none for an empty selection.
        facts.checked = !m_strSelColor.IsEmpty() && GetColorCtrlId(m_strSelColor) == id;
        facts.defaultAction = kCheckAction;
    });
    PlaceBeside(m_hWnd, m_rcKeepClear);
    UpdateGridTabStop();
    // The focus starts on the selected swatch, where the keyboard picks on from.
    FocusSwatch(GetColorCtrlId(m_strSelColor));
    return FALSE;
}

BOOL PvStColorDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        const UINT key = static_cast<UINT>(pMsg->wParam);
        if (key == VK_RETURN || key == VK_SPACE) {
            // A key held down since it opened the picker repeats: it must not confirm at once.
            if (pMsg->lParam & (1 << 30))
                return TRUE;
            if (pMsg->hwnd == ::GetDlgItem(m_hWnd, IDCANCEL))
                OnCancel();
            else
                OnOK();
            return TRUE;
        }
        if (key == VK_ESCAPE) {
            OnCancel();
            return TRUE;
        }
        if (MoveInGrid(pMsg->hwnd, key))
            return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

bool PvStColorDlg::MoveInGrid(HWND swatch, UINT key)
{
    if (::GetParent(swatch) != m_hWnd)
        return false;
    const int row = PickerSwatchRow(::GetDlgCtrlID(swatch));
    const int next = row ? RowAfterKey(row, key) : 0;
    if (!next)
        return false;
    SelectColor(MainColorOfRow(next).name);
    FocusSwatch(PickerSwatchId(next));
    ::UpdateWindow(m_hWnd);
    return true;
}

void PvStColorDlg::UpdateGridTabStop()
{
    const int selectedId = GetColorCtrlId(m_strSelColor);
    for (int row = 1; row <= MainColorCount; ++row) {
        HWND swatch = ::GetDlgItem(m_hWnd, PickerSwatchId(row));
        const LONG style = ::GetWindowLongW(swatch, GWL_STYLE);
        const LONG wanted = PickerSwatchId(row) == selectedId ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (swatch && wanted != style)
            ::SetWindowLongW(swatch, GWL_STYLE, wanted);
    }
}

void PvStColorDlg::OnSwatchClicked(UINT nID)
{
    SelectColor(ColorNameOfSwatch(nID));
    // As with a radio button, the clicked swatch takes the focus: the keyboard goes on from there.
    FocusSwatch(static_cast<int>(nID));
}

void PvStColorDlg::FocusSwatch(int controlId)
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, controlId)), TRUE);
}

void PvStColorDlg::OnSwatchDoubleClicked(UINT nID)
{
    SelectColor(ColorNameOfSwatch(nID));
    OnOK();
}

HBRUSH PvStColorDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void PvStColorDlg::OnPaint()
{
    CPaintDC dc(this);
    const int dpi = WindowDpi(m_hWnd, dc.m_hDC);
    const int width = ScaleToDpi(kFrameWidthAt96, dpi);
    const int offset = ScaleToDpi(kFrameOffsetAt96, dpi);
    const int selectedId = m_strSelColor.IsEmpty() ? 0 : GetColorCtrlId(m_strSelColor);

    // Every frame but the selection's is drawn over in the background colour, so that exactly one
    // stays however many selections came and went between two paints; the red frame comes last,
    // over a neighbour's erased one where they touch.
    CPen background(PS_SOLID, width, DialogBackgroundColor(m_hWnd, dc.m_hDC));
    CPen red(PS_SOLID, width, kSelectionRed);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    CPen* pOldPen = dc.SelectObject(&background);
    for (int row = 1; row <= MainColorCount; ++row) {
        if (PickerSwatchId(row) != selectedId)
            DrawFrame(dc, PickerSwatchId(row), offset);
    }
    if (selectedId) {
        dc.SelectObject(&red);
        DrawFrame(dc, selectedId, offset);
    }
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

void PvStColorDlg::DrawFrame(CDC& dc, int controlId, int offset)
{
    CWnd* pSwatch = GetDlgItem(controlId);
    if (!pSwatch)
        return;
    RECT rect;
    pSwatch->GetWindowRect(&rect);
    ScreenToClient(&rect);
    dc.Rectangle(rect.left - offset, rect.top - offset, rect.right + offset, rect.bottom + offset);
}
