#pragma once
// The settings dialog: one swatch per category slot; a click picks its colour, stored at once.
#include <afxwin.h>

#include "AccessibleSwatches.h"
#include "CategoryColors.h"
#include "StaticMainColor.h"

class RimtoneDlg : public CDialog
{
    DECLARE_DYNAMIC(RimtoneDlg)
public:
    RimtoneDlg();
    ~RimtoneDlg() override;

    CString m_strModuleName;                        // sub-key of the settings key
    StaticMainColor m_aSwatches[CategorySlotCount];  // in slot order

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Opens the colour picker on the clicked swatch's colour and stores a confirmed pick at once.
    afx_msg void OnSwatchClicked(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    AccessibleSwatches m_accessibleSwatches;  // each swatch named by its row, its colour as value
};
