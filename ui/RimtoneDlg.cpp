#include "RimtoneDlg.h"

#include "DialogPlacement.h"
#include "PvStColorDlg.h"
#include "RegistryString.h"
#include "SwatchControls.h"

IMPLEMENT_DYNAMIC(RimtoneDlg, CDialog)

RimtoneDlg::RimtoneDlg() : CDialog(IDD_RIMTONE_DIALOG, nullptr), m_strModuleName(L"Rimtone")
{
}

RimtoneDlg::~RimtoneDlg() = default;

BEGIN_MESSAGE_MAP(RimtoneDlg, CDialog)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_UNDETERMINED, IDC_SWATCH_UNDETERMINED, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_DRILL, IDC_SWATCH_WC, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_MILLING, IDC_SWATCH_SLOT, &RimtoneDlg::OnSwatchClicked)
END_MESSAGE_MAP()

void RimtoneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        DDX_Control(pDX, SlotSwatchIds[slot], m_aSwatches[slot]);
}

BOOL RimtoneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const CategoryColorValue& value = CategoryColorValues[slot];
        m_aSwatches[slot].m_strColorName =
            ReadCategoryColorName(m_strModuleName, value.valueName, value.defaultColorName);
    }
    m_accessibleSwatches.Attach(m_aSwatches, [this](int slot, SwatchFacts& facts) {
        const int row = FindMainColor(m_aSwatches[slot].m_strColorName).row;
        facts.name = m_accessibleSwatches.RowName(slot);
        facts.value = MainColorOfRow(row ? row : 1).name;  // the colour the swatch shows
    });
    CentreOnOwner(m_hWnd);
    return FALSE;
}

BOOL RimtoneDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN) &&
        ::GetParent(pMsg->hwnd) == m_hWnd) {
        const int controlId = ::GetDlgCtrlID(pMsg->hwnd);
        if (SlotOfSwatch(controlId) >= 0) {
            // A key held down since the picker closed repeats: it must not open it again.
            if (!(pMsg->lParam & (1 << 30)))
                ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(controlId, STN_CLICKED), reinterpret_cast<LPARAM>(pMsg->hwnd));
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

RECT RimtoneDlg::SlotRowRect(int slot) const
{
    RECT row;
    ::GetWindowRect(::GetDlgItem(m_hWnd, SlotLabelIds[slot]), &row);
    for (int other = 0; other < CategorySlotCount; ++other) {
        if (SlotLabelIds[other] != SlotLabelIds[slot])
            continue;
        RECT swatch;
        ::GetWindowRect(::GetDlgItem(m_hWnd, SlotSwatchIds[other]), &swatch);
        ::UnionRect(&row, &row, &swatch);
    }
    return row;
}

void RimtoneDlg::OnSwatchClicked(UINT nID)
{
    const int slot = SlotOfSwatch(static_cast<int>(nID));
    if (slot < 0)
        return;
    StaticMainColor& swatch = m_aSwatches[slot];

    PvStColorDlg picker(this);
    picker.SelectColor(swatch.m_strColorName);
    picker.m_rcKeepClear = SlotRowRect(slot);
    if (picker.DoModal() != IDOK)
        return;

    swatch.m_strColorName = picker.m_strSelColor;
    InvalidateRect(nullptr, FALSE);
    m_accessibleSwatches.Refresh();
    WriteSettingString(m_strModuleName, CategoryColorValues[slot].valueName, swatch.m_strColorName);
}
