#include "ConsoleText.h"

#include <windows.h>

#include <cstdio>

namespace {

// Flushed at this many characters: a real console takes at most some tens of kilobytes a write.
const size_t kFlushChars = 16 * 1024;
std::wstring s_pendingOut;

void WriteText(DWORD standardHandle, const std::wstring& text)
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
    const std::string bytes = Utf8Of(text);
    ::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

void WriteOut(const std::wstring& text)
{
    s_pendingOut += text;
    if (s_pendingOut.size() >= kFlushChars)
        FlushOut();
}

void FlushOut()
{
    WriteText(STD_OUTPUT_HANDLE, s_pendingOut);
    s_pendingOut.clear();
}

void WriteError(const std::wstring& text)
{
    FlushOut();
    WriteText(STD_ERROR_HANDLE, text);
}

std::string Utf8Of(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string utf8(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int size = static_cast<int>(utf8.size());
    const int chars = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    if (chars <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(chars), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), chars);
    return text;
}

bool IsInvisibleCharacter(uint32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB);
}

std::string EscapeOf(uint32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, c < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(c));
    return text;
}

std::wstring OneLine(const std::wstring& text, size_t maxChars)
{
    std::wstring shown;
    size_t i = 0;
    for (; i < text.size() && shown.size() < maxChars; ++i) {
        const wchar_t c = text[i];
        if (IsInvisibleCharacter(c)) {
            const std::string escape = EscapeOf(c);
            shown.append(escape.begin(), escape.end());
        } else {
            shown += c;
        }
    }
    if (i < text.size())
        shown += L"...";
    return shown;
}
