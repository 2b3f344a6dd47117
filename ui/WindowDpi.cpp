#include "WindowDpi.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// user32 stays loaded for the life of every process that has windows, so the address holds.
GetDpiForWindowFn FindGetDpiForWindow()
{
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                        reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
}

} // namespace

int WindowDpi(HWND hWnd, HDC hDC)
{
    static const GetDpiForWindowFn getDpiForWindow = FindGetDpiForWindow();
    if (getDpiForWindow && hWnd) {
        if (const UINT dpi = getDpiForWindow(hWnd))
            return static_cast<int>(dpi);
    }
    int dpi = 0;
    if (hDC) {
        dpi = ::GetDeviceCaps(hDC, LOGPIXELSX);
    } else if (HDC windowDc = ::GetDC(hWnd)) {
        dpi = ::GetDeviceCaps(windowDc, LOGPIXELSX);
        ::ReleaseDC(hWnd, windowDc);
    }
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int ScaleToDpi(int pixelsAt96, int dpi)
{
    const int scaled = ::MulDiv(pixelsAt96, dpi, USER_DEFAULT_SCREEN_DPI);
    return scaled > 0 ? scaled : 1;
}
