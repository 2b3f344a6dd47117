#include "PvStColorDlg.h"

#include "SwatchControls.h"

namespace {

// The palette name a picker swatch stands for; empty for any other control.
CString ColorNameOfSwatch(UINT controlId)
{
    const int row = PickerSwatchRow(static_cast<int>(controlId));
    return row ? CString(MainColorOfRow(row).name) : CString();
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
    if (m_hWnd)
        InvalidateRect(nullptr, FALSE);
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
        facts.name = MainColorOfRow(index + 1).name;
        facts.selectable = true;
        // The swatch framed in red: none for an empty selection.
        facts.selected = !m_strSelColor.IsEmpty() && GetColorCtrlId(m_strSelColor) == id;
    });
    return TRUE;
}

BOOL PvStColorDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE) {
            OnOK();
            return TRUE;
        }
        if (pMsg->wParam == VK_ESCAPE) {
            OnCancel();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void PvStColorDlg::OnSwatchClicked(UINT nID)
{
    SelectColor(ColorNameOfSwatch(nID));
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
    if (!m_strPrevColor.IsEmpty())
        DrawFrame(dc, GetColorCtrlId(m_strPrevColor), dc.GetBkColor());
    if (!m_strSelColor.IsEmpty())
        DrawFrame(dc, GetColorCtrlId(m_strSelColor), RGB(255, 0, 0));
}

void PvStColorDlg::DrawFrame(CDC& dc, int controlId, COLORREF color)
{
    CWnd* pSwatch = GetDlgItem(controlId);
    if (!pSwatch)
        return;
    RECT rect;
    pSwatch->GetWindowRect(&rect);
    ScreenToClient(&rect);

    CPen pen(PS_SOLID, 2, color);
    CPen* pOldPen = dc.SelectObject(&pen);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(rect.left - 3, rect.top - 3, rect.right + 3, rect.bottom + 3);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}
