#pragma once
// Swatch of the settings dialog: paints the palette colour named by its owner, with a focus cue
// while the keyboard has it, and a lock cue while it is disabled (its colour locked by policy).
#include <afxwin.h>

class StaticMainColor : public CStatic
{
public:
    StaticMainColor();
    ~StaticMainColor() override;

    CString m_strColorName;  // palette name to show; a name outside the palette shows "MAINCOLOR01"

protected:
    afx_msg void OnPaint();
    // Focus gained or lost, or the window's focus cues shown or hidden: repaint with or without the cue.
    afx_msg LRESULT OnFocusCueChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
