#pragma once
// Swatch of the settings dialog: paints the palette colour named by its owner.
#include <afxwin.h>

class StaticMainColor : public CStatic
{
public:
    StaticMainColor();
    ~StaticMainColor() override;

    CString m_strColorName;  // palette name to show; a name outside the palette shows "MAINCOLOR01"

protected:
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()
};
