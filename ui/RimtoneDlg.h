#pragma once
// The settings dialog: one swatch per category slot; a click, Space or Enter on it picks its colour,
// stored at once.
#include <afxwin.h>

#include "ScreenReaderSwatches.h"
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
    // Space or Enter on a focused swatch opens the picker, as a click does; other keys are the
    // dialog manager's (Enter elsewhere OK, Esc Cancel, Tab in template order).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Opens the colour picker on the clicked swatch's colour and stores a confirmed pick at once.
    afx_msg void OnSwatchClicked(UINT nID);

private:
    // The row of a slot in screen coordinates: its label and the swatches beside it.
    RECT SlotRowRect(int slot) const;
    // What a screen reader calls a slot's swatch: its row's label; the second swatch of a row adds " 2".
    CString SlotName(int slot) const;

    DECLARE_MESSAGE_MAP()

private:
    ScreenReaderSwatches m_accessibleSwatches;  // push buttons named by their row, their colour as value
};
