#include "RimtoneDlg.h"

#include "PvStColorDlg.h"
#include "RegistryString.h"
#include "resource.h"

namespace {

// Swatch control of each slot, in slot order.
const int kSlotSwatchIds[CategorySlotCount] = {
    IDC_SWATCH_UNDETERMINED, IDC_SWATCH_DRILL, IDC_SWATCH_BORING, IDC_SWATCH_REAMER,
    IDC_SWATCH_TAP,          IDC_SWATCH_TAP_SECOND, IDC_SWATCH_COUNTERBORE, IDC_SWATCH_JG,
    IDC_SWATCH_JB,           IDC_SWATCH_WC, IDC_SWATCH_MILLING, IDC_SWATCH_SLOT,
};

int SlotOfSwatch(UINT controlId)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (kSlotSwatchIds[slot] == static_cast<int>(controlId))
            return slot;
    }
    return -1;
}

} // namespace

IMPLEMENT_DYNAMIC(RimtoneDlg, CDialog)

RimtoneDlg::RimtoneDlg() : CDialog(IDD_RIMTONE_DIALOG, nullptr), m_strModuleName(L"Rimtone")
{
}

RimtoneDlg::~RimtoneDlg() = default;

BEGIN_MESSAGE_MAP(RimtoneDlg, CDialog)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_UNDETERMINED, IDC_SWATCH_UNDETERMINED, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_DRILL, IDC_SWATCH_DRILL, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_BORING, IDC_SWATCH_BORING, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_REAMER, IDC_SWATCH_REAMER, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_TAP, IDC_SWATCH_TAP, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_TAP_SECOND, IDC_SWATCH_TAP_SECOND, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_COUNTERBORE, IDC_SWATCH_COUNTERBORE, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_JG, IDC_SWATCH_JG, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_JB, IDC_SWATCH_JB, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_WC, IDC_SWATCH_WC, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_MILLING, IDC_SWATCH_MILLING, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_SLOT, IDC_SWATCH_SLOT, &RimtoneDlg::OnSwatchClicked)
END_MESSAGE_MAP()

void RimtoneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        DDX_Control(pDX, kSlotSwatchIds[slot], m_aSwatches[slot]);
}

BOOL RimtoneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const CategoryColorValue& value = CategoryColorValues[slot];
        m_aSwatches[slot].m_strColorName =
            ReadCategoryColorName(m_strModuleName, value.valueName, value.defaultColorName);
    }
    return FALSE;
}

void RimtoneDlg::OnSwatchClicked(UINT nID)
{
    const int slot = SlotOfSwatch(nID);
    if (slot < 0)
        return;
    StaticMainColor& swatch = m_aSwatches[slot];

    PvStColorDlg picker(this);
    if (picker.m_strSelColor.CompareNoCase(swatch.m_strColorName) != 0) {
        picker.m_strPrevColor = picker.m_strSelColor;
        picker.m_strSelColor = swatch.m_strColorName;
    }
    if (picker.DoModal() != IDOK)
        return;

    swatch.m_strColorName = picker.m_strSelColor;
    InvalidateRect(nullptr, FALSE);
    WriteSettingString(m_strModuleName, CategoryColorValues[slot].valueName, swatch.m_strColorName);
}
