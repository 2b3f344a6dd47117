#include "ConsoleText.h"

#include "TextEscapes.h"

#include <windows.h>

#include <cwchar>

namespace {

const size_t kFlushBytes = 64 * 1024;
std::string s_pendingOut;

void WriteBytes(DWORD stdHandle, const std::string& bytes)
{
    static const bool utf8Console = ::SetConsoleOutputCP(CP_UTF8) != FALSE;
    (void)utf8Console;
    if (bytes.empty())
        return;
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(stdHandle), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

void WriteOut(const std::wstring& text)
{
    s_pendingOut += Utf8Of(text);
    if (s_pendingOut.size() >= kFlushBytes)
        FlushOut();
}

void FlushOut()
{
    WriteBytes(STD_OUTPUT_HANDLE, s_pendingOut);
    s_pendingOut.clear();
}

void WriteError(const std::wstring& text)
{
    FlushOut();
    WriteBytes(STD_ERROR_HANDLE, Utf8Of(text));
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

std::wstring Printable(const std::wstring& text)
{
    std::wstring shown;
    for (wchar_t c : text) {
        if (!IsInvisibleCharacter(c)) {
            shown += c;
            continue;
        }
        wchar_t escape[8];
        std::swprintf(escape, 8, c < 0x80 ? L"\\x%02X" : L"\\u%04X", static_cast<unsigned>(c));
        shown += escape;
    }
    return shown;
}
