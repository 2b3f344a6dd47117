#pragma once
// A window of the framework: the object bound to an HWND, whose messages are dispatched through
// the static message-map tables of its class and its bases.
#include "CCmdTarget.h"
#include "AfxModuleState.h"

#include <type_traits>

class CDC;

// Marks message handlers in class declarations.
#define afx_msg

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019  // stands for every WM_CTLCOLOR* message in message maps
#endif

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // The framework object bound to the window, or null when the window has none.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // The framework object bound to the child control with this id; null when it has none.
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(LPRECT lpRect) const;
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);

    // Binds the object to an existing window by replacing its window procedure; the original one
    // receives everything the object does not handle and is put back at WM_NCDESTROY.
    BOOL SubclassWindow(HWND hWnd);
    // Puts the original procedure back and returns the window. When the window's procedure is no
    // longer ours (subclassed again since), it is left alone and null returned; the object lets go
    // either way, and the original procedure goes on receiving the window's messages.
    HWND UnsubclassWindow();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the message maps, most derived first; TRUE when a handler ran.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands the message being handled to the window's original procedure.
    LRESULT Default();
    virtual void PostNcDestroy() {}
    // Called after a handler of this window threw (the exception stops in the window procedure);
    // a control passes it on to the window it belongs to.
    virtual void OnHandlerFailed();

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

    // Receives every message of a window bound to a framework object.
    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hWnd);

    WNDPROC m_pfnSuper = nullptr;
    AFX_MODULE_STATE* m_pModuleState = nullptr;

private:
    // The procedure a window had before it was bound, for a window without a live binding.
    static LRESULT CallSavedProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    BOOL DispatchEntry(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    MSG m_currentMsg = {};
};

// An entry's handler stored under the common handler type; nSig tells the dispatcher its real type,
// to which it is cast back before the call. A reinterpret_cast from one member-function pointer
// type to another and back gives the original pointer. (GCC warns of the cast itself, for fear of
// a call through the common type, which the dispatcher never makes.)
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
#endif
template <class Handler> inline AFX_PMSG AfxMsgFunction(Handler pfn)
{
    static_assert(std::is_member_function_pointer<Handler>::value, "a handler is a member function");
    return reinterpret_cast<AFX_PMSG>(pfn);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// Message-map entries. Each names its handler with the handler's exact signature, so that a
// handler of the wrong type does not compile.
#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, 0, AfxSig_vv, \
      static_cast<AFX_PMSG>(static_cast<void (ThisClass::*)()>(&ThisClass::OnPaint)) },

#define ON_WM_CTLCOLOR() \
    { WM_CTLCOLOR, 0, 0, 0, AfxSig_hDWw, \
      AfxMsgFunction(static_cast<HBRUSH (CCmdTarget::*)(CDC*, CWnd*, UINT)>( \
          static_cast<HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT)>(&ThisClass::OnCtlColor))) },

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, \
      static_cast<AFX_PMSG>(static_cast<void (ThisClass::*)()>(memberFxn)) },

#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(idLast), AfxSig_vw, \
      AfxMsgFunction(static_cast<void (CCmdTarget::*)(UINT)>(static_cast<void (ThisClass::*)(UINT)>(memberFxn))) },

#define ON_COMMAND(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define ON_MESSAGE(message, memberFxn) \
    { static_cast<UINT>(message), 0, 0, 0, AfxSig_lwl, \
      AfxMsgFunction(static_cast<LRESULT (CCmdTarget::*)(WPARAM, LPARAM)>( \
          static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(memberFxn))) },
