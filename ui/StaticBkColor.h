#pragma once
// Swatch of the colour picker: paints the palette colour that its own control id stands for.
#include <afxwin.h>

class StaticBkColor : public CStatic
{
public:
    StaticBkColor();
    ~StaticBkColor() override;

    CString m_strColorName;  // not used for painting: the control id decides the colour

protected:
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()
};
