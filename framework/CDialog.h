#pragma once
// A dialog created from a template in the module's resources and run modally by a message loop
// of its own, in which the dialog sees every message of itself and its controls first.
#include "CWnd.h"

class CDataExchange;

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog; IDOK, IDCANCEL or the value given to EndDialog, -1 when it cannot be created
    // or something inside it threw. Never throws.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // A handler of the dialog or one of its controls threw: what the dialog holds is no longer
    // known, so it ends with -1.
    void OnHandlerFailed() override;

    DECLARE_MESSAGE_MAP()

    LPCWSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;
    int m_nModalResult = -1;

private:
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The window that owns the dialog: the parent's top-level window; without one, the last active
    // popup of the thread's active window, else of the thread's own main window.
    HWND FindOwner() const;
    void RunModalLoop();
    // PreTranslateMessage, which may not throw into the loop: a throw ends the dialog.
    bool TranslatedByDialog(MSG* pMsg);
    bool ContinueModal() const;

    bool m_bContinueModal = false;
};
