#include "FramePixels.h"

#include "DialogDriver.h"

FrameLine LineOutside(HWND dialog, int controlId, Side side, COLORREF background, int reach)
{
    const RECT rect = ControlRectInDialog(dialog, controlId);
    const int middleX = (rect.left + rect.right) / 2;
    const int middleY = (rect.top + rect.bottom) / 2;
    ::UpdateWindow(dialog);
    HDC dc = ::GetDC(dialog);
    FrameLine line;
    for (int step = 1; step <= reach; ++step) {
        int x = middleX;
        int y = middleY;
        switch (side) {
        case Side::Left: x = rect.left - step; break;
        case Side::Right: x = rect.right - 1 + step; break;
        case Side::Top: y = rect.top - step; break;
        case Side::Bottom: y = rect.bottom - 1 + step; break;
        }
        const COLORREF pixel = ::GetPixel(dc, x, y);
        if (line.width == 0 && pixel == background) {
            ++line.gap;
        } else if (line.width == 0) {
            line.color = pixel;
            line.width = 1;
        } else if (pixel == line.color) {
            ++line.width;
        } else {
            break;
        }
    }
    ::ReleaseDC(dialog, dc);
    return line;
}

int ColourRunsToMiddle(HWND dialog, int controlId, CueRun* runs, int maxRuns)
{
    HWND control = ::GetDlgItem(dialog, controlId);
    ::UpdateWindow(control);
    RECT client;
    ::GetClientRect(control, &client);
    HDC dc = ::GetDC(control);
    int count = 0;
    for (int x = 0; x <= client.right / 2; ++x) {
        const COLORREF pixel = ::GetPixel(dc, x, client.bottom / 2);
        if (count > 0 && runs[count - 1].color == pixel) {
            ++runs[count - 1].width;
        } else if (count < maxRuns) {
            runs[count++] = { pixel, 1 };
        } else {
            break;
        }
    }
    ::ReleaseDC(control, dc);
    return count;
}

int DialogDpi(HWND dialog)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow)
        return static_cast<int>(getDpiForWindow(dialog));
    HDC dc = ::GetDC(dialog);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    ::ReleaseDC(dialog, dc);
    return dpi;
}
