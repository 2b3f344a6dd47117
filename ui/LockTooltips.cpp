#include "LockTooltips.h"

#include "WindowDpi.h"

#include <commctrl.h>

namespace {

// Wide enough for the note's 200 characters on a few lines.
constexpr int kTipWidthAt96 = 320;

// The tool of a swatch: its rectangle in the dialog's client area, named by its control id.
TTTOOLINFOW SwatchTool(HWND dialog, HWND swatch)
{
    TTTOOLINFOW tool = {};
    // The size every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = dialog;
    tool.uId = static_cast<UINT_PTR>(::GetDlgCtrlID(swatch));
    ::GetWindowRect(swatch, &tool.rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&tool.rect), 2);
    return tool;
}

} // namespace

const wchar_t LockTooltips::kLockedText[] = L"관리자가 지정한 색입니다";

LockTooltips::~LockTooltips()
{
    if (m_tooltip && ::IsWindow(m_tooltip))
        ::DestroyWindow(m_tooltip);
}

CString LockTooltips::TextFor(const CString& note)
{
    return note.IsEmpty() ? CString(kLockedText) : CString(kLockedText) + L"\r\n" + note;
}

void LockTooltips::Show(HWND dialog, HWND swatch, const CString& text)
{
    if (!m_tooltip || !::IsWindow(m_tooltip)) {
        INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_BAR_CLASSES };
        ::InitCommonControlsEx(&classes);
        // Owned by the dialog, so that it goes with the dialog's window.
        m_tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                      nullptr, nullptr);
        if (!m_tooltip)
            return;
        ::SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kTipWidthAt96, WindowDpi(dialog, nullptr)));
    }
    TTTOOLINFOW tool = SwatchTool(dialog, swatch);
    ::SendMessageW(m_tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(text));
    ::SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void LockTooltips::Remove(HWND dialog, HWND swatch)
{
    if (!m_tooltip || !::IsWindow(m_tooltip))
        return;
    TTTOOLINFOW tool = SwatchTool(dialog, swatch);
    ::SendMessageW(m_tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void LockTooltips::Relay(const MSG& msg)
{
    if (!m_tooltip || !(msg.message == WM_MOUSEMOVE || (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONUP)))
        return;
    MSG relayed = msg;
    ::SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}
