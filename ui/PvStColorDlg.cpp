#include "PvStColorDlg.h"

#include "resource.h"

namespace {

// Swatch control ids in palette order: "MAINCOLOR01" is 17015, the others follow from 17032.
const int kSwatchIds[16] = {
    IDC_COLOR01, IDC_COLOR02, IDC_COLOR03, IDC_COLOR04, IDC_COLOR05, IDC_COLOR06, IDC_COLOR07, IDC_COLOR08,
    IDC_COLOR09, IDC_COLOR10, IDC_COLOR11, IDC_COLOR12, IDC_COLOR13, IDC_COLOR14, IDC_COLOR15, IDC_COLOR16,
};

CString ColorNameOfSwatch(UINT controlId)
{
    CString name;
    for (int index = 0; index < 16; ++index) {
        if (kSwatchIds[index] == static_cast<int>(controlId)) {
            name.Format(L"MAINCOLOR%02d", index + 1);
            break;
        }
    }
    return name;
}

} // namespace

PvStColorDlg::PvStColorDlg(CWnd* pParent)
    : CDialog(IDD_COLOR_PROPERTY, pParent), m_strSelColor(L"MAINCOLOR01")
{
}

PvStColorDlg::~PvStColorDlg() = default;

BEGIN_MESSAGE_MAP(PvStColorDlg, CDialog)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR01, IDC_COLOR01, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR02, IDC_COLOR02, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR03, IDC_COLOR03, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR04, IDC_COLOR04, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR05, IDC_COLOR05, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR06, IDC_COLOR06, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR07, IDC_COLOR07, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR08, IDC_COLOR08, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR09, IDC_COLOR09, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR10, IDC_COLOR10, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR11, IDC_COLOR11, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR12, IDC_COLOR12, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR13, IDC_COLOR13, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR14, IDC_COLOR14, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR15, IDC_COLOR15, &PvStColorDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_COLOR16, IDC_COLOR16, &PvStColorDlg::OnSwatchClicked)
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR01, IDC_COLOR01, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR02, IDC_COLOR02, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR03, IDC_COLOR03, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR04, IDC_COLOR04, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR05, IDC_COLOR05, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR06, IDC_COLOR06, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR07, IDC_COLOR07, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR08, IDC_COLOR08, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR09, IDC_COLOR09, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR10, IDC_COLOR10, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR11, IDC_COLOR11, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR12, IDC_COLOR12, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR13, IDC_COLOR13, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR14, IDC_COLOR14, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR15, IDC_COLOR15, &PvStColorDlg::OnSwatchDoubleClicked)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_COLOR16, IDC_COLOR16, &PvStColorDlg::OnSwatchDoubleClicked)
END_MESSAGE_MAP()

int PvStColorDlg::GetColorCtrlId(CString colorName)
{
    for (int index = 0; index < 16; ++index) {
        CString name;
        name.Format(L"MAINCOLOR%02d", index + 1);
        if (colorName.CompareNoCase(name) == 0)
            return kSwatchIds[index];
    }
    return IDC_COLOR01;
}

void PvStColorDlg::SelectColor(CString colorName)
{
    if (m_strSelColor.CompareNoCase(colorName) == 0)
        return;
    m_strPrevColor = m_strSelColor;
    m_strSelColor = colorName;
    InvalidateRect(nullptr, FALSE);
}

void PvStColorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int index = 0; index < 16; ++index)
        DDX_Control(pDX, kSwatchIds[index], m_aSwatches[index]);
}

BOOL PvStColorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
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
