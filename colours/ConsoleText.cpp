#include "ConsoleText.h"

void WriteConsoleText(DWORD standardHandle, const std::wstring& text)
{
    const HANDLE output = ::GetStdHandle(standardHandle);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || text.empty())
        return;
    DWORD mode = 0;
    DWORD written = 0;
    // A real console takes UTF-16 directly, whatever its code page.
    if (::GetConsoleMode(output, &mode) &&
        ::WriteConsoleW(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        return;
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    if (size <= 0)
        return;
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    ::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
