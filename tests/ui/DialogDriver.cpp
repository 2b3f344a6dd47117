#include "DialogDriver.h"

#include "RegistrySandbox.h"

#include <gtest/gtest.h>

const wchar_t kSettingsCaption[] = L"구멍선색일괄변경";
const wchar_t kPickerCaption[] = L"Color Property";
const wchar_t kSettingsKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";

namespace {

ModalScript* g_script = nullptr;

// Every window of this thread with the caption, shown or not, in the order the system lists them.
struct CaptionSearch
{
    LPCWSTR caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectCaptioned(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<CaptionSearch*>(lParam);
    wchar_t caption[64] = {};
    ::GetWindowTextW(hWnd, caption, 64);
    if (wcscmp(caption, search->caption) == 0)
        search->found.push_back(hWnd);
    return TRUE;
}

BOOL CALLBACK CancelDialog(HWND hWnd, LPARAM)
{
    wchar_t className[32] = {};
    ::GetClassNameW(hWnd, className, 32);
    if (wcscmp(className, L"#32770") == 0)
        ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

} // namespace

ModalScript::ModalScript(DWORD stepTimeoutMs) : m_stepTimeout(stepTimeoutMs), m_stepStart(::GetTickCount())
{
    g_script = this;
    m_timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &ModalScript::Tick);
}

ModalScript::~ModalScript()
{
    ::KillTimer(nullptr, m_timer);
    g_script = nullptr;
}

ModalScript& ModalScript::Then(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

ModalScript& ModalScript::Do(std::function<void()> action)
{
    return Then([action] {
        action();
        return true;
    });
}

ModalScript& ModalScript::WaitFor(LPCWSTR caption, HWND* dialog)
{
    return Then([caption, dialog] {
        HWND found = FindShownDialog(caption);
        if (dialog)
            *dialog = found;
        return found != nullptr;
    });
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_script)
        g_script->RunOneStep();
}

void ModalScript::RunOneStep()
{
    if (m_busy)
        return;
    m_busy = true;
    if (m_timedOut || (!m_steps.empty() && ::GetTickCount() - m_stepStart > m_stepTimeout)) {
        // Leave no dialog behind that would hang the test: cancel every one of this thread.
        if (!m_timedOut)
            ADD_FAILURE() << "a step of the dialog script did not complete; " << m_steps.size() << " left";
        m_timedOut = true;
        m_steps.clear();
        ::EnumThreadWindows(::GetCurrentThreadId(), &CancelDialog, 0);
    } else if (!m_steps.empty()) {
        Step step = m_steps.front();
        if (step()) {
            m_steps.pop_front();
            m_stepStart = ::GetTickCount();
        }
    }
    m_busy = false;
}

std::vector<HWND> ThreadWindowsCaptioned(LPCWSTR caption)
{
    CaptionSearch search{ caption, {} };
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectCaptioned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindShownDialog(LPCWSTR caption)
{
    for (HWND hWnd : ThreadWindowsCaptioned(caption)) {
        wchar_t className[32] = {};
        ::GetClassNameW(hWnd, className, 32);
        if (::IsWindowVisible(hWnd) && wcscmp(className, L"#32770") == 0)
            return hWnd;
    }
    return nullptr;
}

void Click(HWND dialog, int controlId)
{
    HWND control = ::GetDlgItem(dialog, controlId);
    ASSERT_NE(control, nullptr) << "no control " << controlId;
    const LPARAM point = MAKELPARAM(4, 4);
    ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::PostMessageW(control, WM_LBUTTONUP, 0, point);
}

void DoubleClick(HWND dialog, int controlId)
{
    Click(dialog, controlId);
    HWND control = ::GetDlgItem(dialog, controlId);
    const LPARAM point = MAKELPARAM(4, 4);
    ::PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    ::PostMessageW(control, WM_LBUTTONUP, 0, point);
}

void PressKey(UINT virtualKey)
{
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr) << "no control has the focus";
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(focus, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    ::PostMessageW(focus, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void HoldShift(bool down)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    ::UpdateWindow(window);
    HDC dc = ::GetDC(window);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return color;
}

COLORREF ControlPixel(HWND dialog, int controlId, int x, int y)
{
    return ClientPixel(::GetDlgItem(dialog, controlId), x, y);
}

bool ControlIsSolid(HWND dialog, int controlId, COLORREF color)
{
    HWND control = ::GetDlgItem(dialog, controlId);
    ::UpdateWindow(control);
    RECT rect;
    ::GetClientRect(control, &rect);
    HDC dc = ::GetDC(control);
    bool solid = rect.right > 0 && rect.bottom > 0;
    for (int y = 0; y < rect.bottom && solid; ++y) {
        for (int x = 0; x < rect.right && solid; ++x)
            solid = ::GetPixel(dc, x, y) == color;
    }
    ::ReleaseDC(control, dc);
    return solid;
}

RECT ControlRectInDialog(HWND dialog, int controlId)
{
    RECT rect;
    ::GetWindowRect(::GetDlgItem(dialog, controlId), &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

COLORREF FrameColor(HWND dialog, int controlId)
{
    const RECT rect = ControlRectInDialog(dialog, controlId);
    return ClientPixel(dialog, rect.left - 3, (rect.top + rect.bottom) / 2);
}

std::wstring StoredName(LPCWSTR valueName)
{
    std::wstring text;
    if (!GetStringValue(kSettingsKey, valueName, text))
        return L"<missing>";
    return text;
}
