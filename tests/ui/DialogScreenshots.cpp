// Renders both dialogs with their default colours and writes what is on screen as 24-bit BMP
// files in the folder given as the only argument: settings-dialog.bmp and color-picker.bmp; the
// settings dialog with two colours locked by policy and the tooltip of one,
// settings-dialog-policy.bmp; and, from a second run of itself at 144 DPI,
// color-picker-keyboard-144dpi.bmp: the picker opened from the keyboard beside the row it edits.
#include "DialogDriver.h"
#include "DisplaySettings.h"
#include "RegistrySandbox.h"
#include "RimtoneDlg.h"
#include "resource.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Copies the windows, frames and captions included, as the screen shows them, each over the ones
// before it, into one picture of the rectangle around them all.
bool SaveWindows(const std::vector<HWND>& windows, const std::wstring& path)
{
    RECT rect = {};
    for (HWND window : windows) {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        RECT windowRect;
        ::GetWindowRect(window, &windowRect);
        ::UnionRect(&rect, &rect, &windowRect);
    }
    HWND window = windows.front();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDc = ::GetWindowDC(window);
    HDC memoryDc = ::CreateCompatibleDC(windowDc);
    HBITMAP bitmap = ::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (memoryDc && bitmap) {
        HGDIOBJ previous = ::SelectObject(memoryDc, bitmap);
        const RECT all = { 0, 0, width, height };
        ::FillRect(memoryDc, &all, ::GetSysColorBrush(COLOR_APPWORKSPACE));
        for (HWND shown : windows) {
            RECT windowRect;
            ::GetWindowRect(shown, &windowRect);
            HDC shownDc = ::GetWindowDC(shown);
            ::BitBlt(memoryDc, windowRect.left - rect.left, windowRect.top - rect.top, windowRect.right - windowRect.left,
                     windowRect.bottom - windowRect.top, shownDc, 0, 0, SRCCOPY);
            ::ReleaseDC(shown, shownDc);
        }
        ::GdiFlush();
        const DWORD stride = ((width * 3) + 3) & ~3;
        const DWORD imageSize = stride * height;
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        file.bfSize = file.bfOffBits + imageSize;
        info.bmiHeader.biSizeImage = imageSize;
        if (FILE* out = _wfopen(path.c_str(), L"wb")) {
            saved = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                    fwrite(bits, 1, imageSize, out) == imageSize;
            fclose(out);
        }
        ::SelectObject(memoryDc, previous);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    if (memoryDc)
        ::DeleteDC(memoryDc);
    ::ReleaseDC(window, windowDc);
    return saved;
}

// At the DPI this process runs at: Tab to the drill swatch, Space opens the picker beside its row,
// Right moves the selection; both windows go into one picture.
int SaveKeyboardPicker(const std::wstring& path)
{
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    bool saved = false;
    HWND settings = nullptr;
    HWND picker = nullptr;
    ModalScript script;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([] { PressKey(VK_TAB); })
        .Do([] { PressKey(VK_TAB); })
        .Do([] { PressKey(VK_SPACE); })
        .WaitFor(kPickerCaption, &picker)
        .Do([] { PressKey(VK_RIGHT); })
        .Do([&] {
            saved = SaveWindows({ settings, picker }, path);
            PressKey(VK_ESCAPE);
        })
        .Then([] { return FindShownDialog(kPickerCaption) == nullptr; })
        .Do([] { PressKey(VK_ESCAPE); });
    dialog.DoModal();
    return script.Finished() && saved ? 0 : 1;
}

// At the DPI of this process: the settings dialog, then the picker opened by a click on the drill
// swatch, each on its own.
bool SaveBothDialogs(const std::wstring& folder)
{
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    bool saved = true;
    HWND settings = nullptr;
    HWND picker = nullptr;
    ModalScript script;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([&] {
            saved = SaveWindows({ settings }, folder + L"settings-dialog.bmp") && saved;
            Click(settings, IDC_SWATCH_DRILL);
        })
        .WaitFor(kPickerCaption, &picker)
        .Do([&] {
            saved = SaveWindows({ picker }, folder + L"color-picker.bmp") && saved;
            ::PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
        })
        .Then([] { return FindShownDialog(kPickerCaption) == nullptr; })
        .Do([&] { ::PostMessageW(settings, WM_COMMAND, IDCANCEL, 0); });
    dialog.DoModal();
    return script.Finished() && saved;
}

// The settings dialog under a policy that locks the drill colour (the computer's) and the tap's
// second colour (the user's), with the note; the mouse rests on the drill swatch and its tooltip shows.
bool SavePolicyDialog(const std::wstring& folder)
{
    RegistrySandbox sandbox;
    SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor101", L"MAINCOLOR12");
    SetPolicyString(HKEY_CURRENT_USER, false, L"mColor402", L"MAINCOLOR13");
    SetPolicyString(HKEY_LOCAL_MACHINE, false, L"AdministratorNote",
                    L"\uC124\uACC4\uD300 \uD45C\uC900, \uBB38\uC758 \uB0B4\uC120 1234");
    RimtoneDlg dialog;
    bool saved = false;
    HWND settings = nullptr;
    ModalScript script;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([&] { RestMouseOn(settings, IDC_SWATCH_DRILL); })
        .Then([&] { return ::IsWindowVisible(TooltipOwnedBy(settings)) != FALSE; })
        .Do([&] {
            saved = SaveWindows({ settings, TooltipOwnedBy(settings) }, folder + L"settings-dialog-policy.bmp");
            ::PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
        });
    dialog.DoModal();
    return script.Finished() && saved;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const bool keyboardChild = argc == 3 && std::wstring(argv[1]) == L"--keyboard-picker";
    if (argc != 2 && !keyboardChild) {
        fwprintf(stderr, L"usage: ui_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const std::wstring folder = std::wstring(argv[argc - 1]) + L"\\";
    const std::wstring keyboardShot = folder + L"color-picker-keyboard-144dpi.bmp";
    if (keyboardChild)
        return SaveKeyboardPicker(keyboardShot);

    if (!SaveBothDialogs(folder) || !SavePolicyDialog(folder)) {
        fwprintf(stderr, L"the dialogs could not be captured\n");
        return 1;
    }
    if (RunAgainAtDpi(144, L"--keyboard-picker \"" + std::wstring(argv[1]) + L"\"") != 0) {
        fwprintf(stderr, L"the picker opened from the keyboard at 144 DPI could not be captured\n");
        return 1;
    }
    return 0;
}
