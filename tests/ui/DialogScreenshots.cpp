// Renders both dialogs with their default colours and writes what is on screen as 24-bit BMP
// files: settings-dialog.bmp and color-picker.bmp in the folder given as the only argument.
#include "DialogDriver.h"
#include "RegistrySandbox.h"
#include "resource.h"
#include "RimtoneDlg.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Copies the whole window, frame and caption included, as the screen shows it.
bool SaveWindow(HWND window, const std::wstring& path)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    RECT rect;
    ::GetWindowRect(window, &rect);
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
        ::BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
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

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        fwprintf(stderr, L"usage: ui_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    RegistrySandbox sandbox;
    RimtoneDlg dialog;
    bool saved = true;
    HWND settings = nullptr;
    HWND picker = nullptr;
    ModalScript script;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([&] {
            saved = SaveWindow(settings, folder + L"settings-dialog.bmp") && saved;
            Click(settings, IDC_SWATCH_DRILL);
        })
        .WaitFor(kPickerCaption, &picker)
        .Do([&] {
            saved = SaveWindow(picker, folder + L"color-picker.bmp") && saved;
            ::PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
        })
        .Then([] { return FindShownDialog(kPickerCaption) == nullptr; })
        .Do([&] { ::PostMessageW(settings, WM_COMMAND, IDCANCEL, 0); });
    dialog.DoModal();
    if (!script.Finished() || !saved) {
        fwprintf(stderr, L"the dialogs could not be captured\n");
        return 1;
    }
    return 0;
}
