#include "CDataExchange.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWndCtrl = nullptr;
    pDX->m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    // A control missing from the template stays unbound and keeps the system's own behaviour.
    rControl.SubclassWindow(hWndCtrl);
}
