#include "ConsoleText.h"

#include <windows.h>

namespace {

void WriteUtf8(DWORD stdHandle, const std::wstring& text)
{
    static const bool utf8Console = ::SetConsoleOutputCP(CP_UTF8) != FALSE;
    (void)utf8Console;
    if (text.empty())
        return;
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                            nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr,
                          nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(stdHandle), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

} // namespace

void WriteOut(const std::wstring& text)
{
    WriteUtf8(STD_OUTPUT_HANDLE, text);
}

void WriteError(const std::wstring& text)
{
    WriteUtf8(STD_ERROR_HANDLE, text);
}

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int chars = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(chars), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), chars);
    return text;
}
