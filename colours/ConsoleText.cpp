#include "ConsoleText.h"

#include <cwchar>

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

std::wstring OneLine(const std::wstring& text, size_t maxChars)
{
    std::wstring shown;
    size_t i = 0;
    for (; i < text.size() && shown.size() < maxChars; ++i) {
        const wchar_t ch = text[i];
        if (ch < 0x20 || ch == 0x7F) {
            wchar_t escaped[8];
            std::swprintf(escaped, 8, L"\\x%02X", static_cast<unsigned>(ch));
            shown += escaped;
        } else {
            shown += ch;
        }
    }
    if (i < text.size())
        shown += L"...";
    return shown;
}
