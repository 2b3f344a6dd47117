#pragma once
// Data exchange between a dialog's controls and its members, in one direction per pass.
#include "CWnd.h"

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Binds rControl to the dialog's control nIDC by subclassing it, the first time only.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
