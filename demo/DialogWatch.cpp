#include "DialogWatch.h"

DialogWatch* DialogWatch::s_active = nullptr;

DialogWatch::DialogWatch()
    : m_hook(::SetWindowsHookExW(WH_CBT, &DialogWatch::CbtProc, nullptr, ::GetCurrentThreadId()))
{
    s_active = this;
}

DialogWatch::~DialogWatch()
{
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    s_active = nullptr;
}

LRESULT CALLBACK DialogWatch::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && s_active) {
        wchar_t className[16] = L"";
        ::GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
        if (lstrcmpW(className, L"#32770") == 0)
            s_active->m_shown = true;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
