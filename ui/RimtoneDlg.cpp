#include "RimtoneDlg.h"

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
    return FALSE;
}

void RimtoneDlg::OnSwatchClicked(UINT nID)
{
    const int slot = SlotOfSwatch(static_cast<int>(nID));
    if (slot < 0)
        return;
    StaticMainColor& swatch = m_aSwatches[slot];

    PvStColorDlg picker(this);
    picker.SelectColor(swatch.m_strColorName);
    if (picker.DoModal() != IDOK)
        return;

    swatch.m_strColorName = picker.m_strSelColor;
    InvalidateRect(nullptr, FALSE);
    m_accessibleSwatches.Refresh();
    WriteSettingString(m_strModuleName, CategoryColorValues[slot].valueName, swatch.m_strColorName);
}
