#include "CDialog.h"

#include "CDataExchange.h"

namespace {

// Keeps the owner disabled while the dialog runs and, on every way out of DoModal, gives it back
// enabled (if it was) and active before the dialog window is destroyed.
class ModalSession
{
public:
    explicit ModalSession(HWND hWndOwner)
        : m_hWndOwner(hWndOwner), m_bEnableOwner(hWndOwner && ::IsWindowEnabled(hWndOwner))
    {
        if (m_bEnableOwner)
            ::EnableWindow(m_hWndOwner, FALSE);
    }

    ~ModalSession()
    {
        if (m_bEnableOwner)
            ::EnableWindow(m_hWndOwner, TRUE);
        if (m_hWnd && ::IsWindow(m_hWnd)) {
            if (m_hWndOwner && ::GetActiveWindow() == m_hWnd)
                ::SetActiveWindow(m_hWndOwner);
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            ::DestroyWindow(m_hWnd);
        }
    }

    ModalSession(const ModalSession&) = delete;
    ModalSession& operator=(const ModalSession&) = delete;

    HWND m_hWnd = nullptr;

private:
    HWND m_hWndOwner;
    bool m_bEnableOwner;
};

} // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = hInst ? ::FindResourceW(hInst, m_lpszTemplateName, RT_DIALOG) : nullptr;
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    const auto* pTemplate = hTemplate ? static_cast<LPCDLGTEMPLATEW>(::LockResource(hTemplate)) : nullptr;
    if (!pTemplate)
        return -1;

    m_nModalResult = -1;
    m_bContinueModal = true;
    try {
        HWND hWndOwner = FindOwner();
        ModalSession session(hWndOwner);
        session.m_hWnd = ::CreateDialogIndirectParamW(hInst, pTemplate, hWndOwner, &CDialog::AfxDlgProc,
                                                      reinterpret_cast<LPARAM>(this));
        if (session.m_hWnd && m_hWnd == session.m_hWnd)
            RunModalLoop();
    } catch (...) {
        // The session has given the owner back and destroyed the window on its way out.
        m_nModalResult = -1;
    }
    m_bContinueModal = false;
    return m_nModalResult;
}

namespace {

// The first visible, enabled top-level window of the calling thread that nothing owns: the host's
// own window, which is not active while another program's window is in front.
BOOL CALLBACK FindThreadMainWindow(HWND hWnd, LPARAM lParam)
{
    if (!::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd) || ::GetWindow(hWnd, GW_OWNER))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

} // namespace

HWND CDialog::FindOwner() const
{
    HWND hWnd = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const bool hasParent = hWnd != nullptr;
    if (!hWnd)
        hWnd = ::GetActiveWindow();
    if (!hWnd)
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindThreadMainWindow, reinterpret_cast<LPARAM>(&hWnd));
    while (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (hWnd && !hasParent)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

bool CDialog::ContinueModal() const
{
    return m_bContinueModal && m_hWnd && ::IsWindow(m_hWnd);
}

void CDialog::RunModalLoop()
{
    bool shown = (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
    MSG msg;
    while (ContinueModal()) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The loop that called us has to see the quit request as well.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            const bool ours = msg.hwnd && m_hWnd && (msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd));
            if (ours && TranslatedByDialog(&msg))
                continue;
            if (m_hWnd && ::IsDialogMessageW(m_hWnd, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            continue;
        }
        if (!ContinueModal())
            break;
        // The template keeps the dialog hidden until the loop first runs out of messages.
        if (!shown) {
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            ::UpdateWindow(m_hWnd);
            shown = true;
            continue;
        }
        ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

bool CDialog::TranslatedByDialog(MSG* pMsg)
{
    try {
        return PreTranslateMessage(pMsg) != FALSE;
    } catch (...) {
        OnHandlerFailed();
        return true;
    }
}

void CDialog::OnHandlerFailed()
{
    EndDialog(-1);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // From here on the dialog's messages reach the object through its message maps; the dialog
    // manager's procedure stays behind it for everything the maps do not handle.
    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    try {
        if (!pDialog->SubclassWindow(hWnd))
            return TRUE;
        return pDialog->OnInitDialog();
    } catch (...) {
        pDialog->EndDialog(-1);
        return TRUE;
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = false;
}

BOOL CDialog::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
