#pragma once
// "Color Property": picks one of the 16 palette colours, the selection framed in red. The swatches
// form one group, as radio buttons do: one tab stop, the selected swatch, and arrows inside.
#include <afxwin.h>

#include "ScreenReaderSwatches.h"
#include "PaletteTable.h"
#include "StaticBkColor.h"

class PvStColorDlg : public CDialog
{
public:
    explicit PvStColorDlg(CWnd* pParent = nullptr);
    ~PvStColorDlg() override;

    CString m_strSelColor;   // the selected palette name; seeded by the caller, read after IDOK
    CString m_strPrevColor;  // the selection before the last change, whose frame the next paint covers
    StaticBkColor m_aSwatches[MainColorCount];  // in palette row order
    RECT m_rcKeepClear = {};  // screen rectangle the picker opens beside and never covers; empty: none

    // Moves the selection to the palette name, unless it is already selected, and repaints once the
    // dialog is open; before DoModal it seeds the selection the picker opens with.
    void SelectColor(CString colorName);
    // The swatch control of a palette name (case-insensitive); 17015 for any other text.
    static int GetColorCtrlId(CString colorName);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSwatchClicked(UINT nID);
    afx_msg void OnSwatchDoubleClicked(UINT nID);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    ScreenReaderSwatches m_accessibleSwatches;  // radio buttons named by their colour, the selection checked

    // An arrow, Home or End on a swatch: selects the swatch it leads to and moves the focus there.
    bool MoveInGrid(HWND swatch, UINT key);
    void FocusSwatch(int controlId);
    // Only the selected swatch is a tab stop, so that Tab leaves the grid and comes back to it.
    void UpdateGridTabStop();
    // Draws the frame of a swatch with the pen selected into the device context, its line centred
    // `offset` pixels outside the swatch's window rectangle.
    void DrawFrame(CDC& dc, int controlId, int offset);
};
