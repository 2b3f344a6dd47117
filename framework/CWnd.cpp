#include "CWnd.h"

#include "CDC.h"

namespace {

// The window properties that hold the framework object bound to a window, and the procedure it
// replaced, which outlives the binding when the object had to let go of a window it cannot unhook.
const wchar_t kObjectProperty[] = L"Rimtone.CWnd";
const wchar_t kSuperProperty[] = L"Rimtone.CWnd.Super";

WNDPROC SavedProcedure(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProperty));
}

// The handler types that an entry's nSig names, besides AFX_PMSG itself.
typedef void (CCmdTarget::*AFX_PMSG_vw)(UINT);
typedef HBRUSH (CCmdTarget::*AFX_PMSG_hDWw)(CDC*, CWnd*, UINT);
typedef LRESULT (CCmdTarget::*AFX_PMSG_lwl)(WPARAM, LPARAM);

// An entry's handler as the type its nSig names: the inverse of AfxMsgFunction, and like it exempt
// from GCC's warning about the cast.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
#endif
template <class Handler> Handler AfxMsgHandler(AFX_PMSG pfn)
{
    static_assert(std::is_member_function_pointer<Handler>::value, "a handler is a member function");
    return reinterpret_cast<Handler>(pfn);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Makes a message the one a window is handling and gives the outer one back on every way out, a
// handler's throw included, so that the outer handler's Default() forwards its own message.
class CurrentMessageScope
{
public:
    CurrentMessageScope(MSG& current, const MSG& message) : m_current(current), m_previous(current)
    {
        m_current = message;
    }
    ~CurrentMessageScope() { m_current = m_previous; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    MSG& m_current;
    const MSG m_previous;
};

} // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_hWnd && m_pfnSuper)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropW(hWnd, kObjectProperty)) : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandlePermanent(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const
{
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
    if (::GetWindowLongW(m_hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) {
        const LONG left = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = left;
    }
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    m_pModuleState = AfxGetModuleState();
    ::SetPropW(hWnd, kObjectProperty, this);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd) || SavedProcedure(hWnd))
        return FALSE;
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    if (!m_pfnSuper || !::SetPropW(hWnd, kSuperProperty, reinterpret_cast<HANDLE>(m_pfnSuper))) {
        if (m_pfnSuper)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        ::RemovePropW(hWnd, kObjectProperty);
        m_pfnSuper = nullptr;
        m_hWnd = nullptr;
        return FALSE;
    }
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    const bool stillOurs =
        ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc);
    if (stillOurs) {
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        ::RemovePropW(hWnd, kSuperProperty);
    }
    // Someone subclassed the window after us and still calls our procedure: putting ours back would
    // cut them off. The object lets go, and the saved procedure keeps receiving the messages.
    ::RemovePropW(hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return stillOurs ? hWnd : nullptr;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd || pWnd->m_hWnd != hWnd)
        return CallSavedProcedure(hWnd, message, wParam, lParam);
    AFX_MAINTAIN_STATE2 state(pWnd->m_pModuleState);
    // The caller of a window procedure is the system: nothing may be thrown back into it.
    try {
        if (message == WM_NCDESTROY)
            return pWnd->OnNcDestroy(wParam, lParam);
        return pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        if (message == WM_NCDESTROY)
            return 0;
        // A paint that failed must not be asked for again and again.
        if (message == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
        pWnd->OnHandlerFailed();
        return 0;
    }
}

void CWnd::OnHandlerFailed()
{
    if (!(::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CHILD))
        return;
    if (CWnd* pParent = FromHandlePermanent(::GetParent(m_hWnd)))
        pParent->OnHandlerFailed();
}

LRESULT CWnd::CallSavedProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnSaved = SavedProcedure(hWnd);
    if (message == WM_NCDESTROY)
        ::RemovePropW(hWnd, kSuperProperty);
    if (pfnSaved)
        return ::CallWindowProcW(pfnSaved, hWnd, message, wParam, lParam);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

LRESULT CWnd::OnNcDestroy(WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    WNDPROC pfnSuper = m_pfnSuper;
    UnsubclassWindow();
    ::RemovePropW(hWnd, kSuperProperty);
    const LRESULT result = pfnSuper ? ::CallWindowProcW(pfnSuper, hWnd, WM_NCDESTROY, wParam, lParam)
                                    : ::DefWindowProcW(hWnd, WM_NCDESTROY, wParam, lParam);
    PostNcDestroy();
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessageScope scope(m_currentMsg, MSG{ m_hWnd, message, wParam, lParam, 0, {} });
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const UINT mapMessage = IsCtlColorMessage(message) ? WM_CTLCOLOR : message;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry) {
            if (entry->nMessage != mapMessage)
                continue;
            if (message == WM_COMMAND) {
                const UINT id = LOWORD(wParam);
                if (entry->nCode != HIWORD(wParam) || id < entry->nID || id > entry->nLastID)
                    continue;
            }
            return DispatchEntry(*entry, message, wParam, lParam, pResult);
        }
    }
    return FALSE;
}

BOOL CWnd::DispatchEntry(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT* pResult)
{
    switch (entry.nSig) {
    case AfxSig_vv:
        (this->*entry.pfn)();
        *pResult = 0;
        return TRUE;
    case AfxSig_vw: {
        (this->*AfxMsgHandler<AFX_PMSG_vw>(entry.pfn))(LOWORD(wParam));
        *pResult = 0;
        return TRUE;
    }
    case AfxSig_lwl:
        *pResult = (this->*AfxMsgHandler<AFX_PMSG_lwl>(entry.pfn))(wParam, lParam);
        return TRUE;
    case AfxSig_hDWw: {
        CDC dc;
        dc.Attach(reinterpret_cast<HDC>(wParam));
        HWND hCtl = reinterpret_cast<HWND>(lParam);
        CWnd temporary;
        CWnd* pCtl = FromHandlePermanent(hCtl);
        if (!pCtl) {
            temporary.m_hWnd = hCtl;
            pCtl = &temporary;
        }
        HBRUSH brush = nullptr;
        try {
            brush = (this->*AfxMsgHandler<AFX_PMSG_hDWw>(entry.pfn))(&dc, pCtl, message - WM_CTLCOLORMSGBOX);
        } catch (...) {
            temporary.m_hWnd = nullptr;
            dc.Detach();
            throw;
        }
        temporary.m_hWnd = nullptr;
        dc.Detach();
        *pResult = reinterpret_cast<LRESULT>(brush);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
