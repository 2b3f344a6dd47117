#pragma once
// The settings dialog: one swatch per category slot; a click, Space or Enter on it picks its colour,
// stored at once.
#include <afxwin.h>

#include "ScreenReaderSwatches.h"
#include "CategoryColors.h"
#include "ColourPolicy.h"
#include "LockTooltips.h"
#include "StaticMainColor.h"

class RimtoneDlg : public CDialog
{
    DECLARE_DYNAMIC(RimtoneDlg)
public:
    RimtoneDlg();
    ~RimtoneDlg() override;

    CString m_strModuleName;                        // sub-key of the settings key
    StaticMainColor m_aSwatches[CategorySlotCount];  // in slot order
    // The administrators' policy while the dialog is open, read at opening and at each refresh:
    // IsLocked(slot) and locks[slot] tell a locked slot and its colour, note what the administrator
    // says about it. The caller saves every slot it leaves unlocked.
    ColourPolicy m_policy;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Space or Enter on a focused swatch opens the picker, as a click does; other keys are the
    // dialog manager's (Enter elsewhere OK, Esc Cancel, Tab in template order).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Opens the colour picker on the clicked swatch's colour and stores a confirmed pick at once.
    afx_msg void OnSwatchClicked(UINT nID);
    // "Policy", which the system broadcasts after a policy refresh: reads the policy again.
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);

private:
    // The row of a slot in screen coordinates: its label and the swatches beside it.
    RECT SlotRowRect(int slot) const;
    // Makes `policy` the one in force: a slot it locks shows the locked colour and is disabled, with
    // a cue and a tooltip; a slot it no longer locks shows the user's own colour again.
    void ApplyPolicy(const ColourPolicy& policy);
    // Gives the focus to the control after a swatch that is being locked, or was while the picker
    // was open, when the focus is the swatch's or nobody's: a disabled control cannot keep it.
    void MoveFocusPast(HWND swatch);
    // What a screen reader calls a slot's swatch: its row's label; the second swatch of a row adds " 2".
    CString SlotName(int slot) const;

    DECLARE_MESSAGE_MAP()

private:
    ScreenReaderSwatches m_accessibleSwatches;  // push buttons named by their row, their colour as value
    CString m_aUserColorNames[CategorySlotCount];  // the user's own colour of each locked slot
    LockTooltips m_lockTooltips;
};
