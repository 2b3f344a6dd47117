#include "CString.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

int CString::Compare(LPCWSTR other) const
{
    return wcscmp(m_text.c_str(), other ? other : L"");
}

int CString::CompareNoCase(LPCWSTR other) const
{
    return _wcsicmp(m_text.c_str(), other ? other : L"");
}

void CString::Format(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = _vscwprintf(format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
        _vsnwprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText)
{
    const std::wstring from(oldText ? oldText : L"");
    const std::wstring to(newText ? newText : L"");
    if (from.empty())
        return 0;
    int count = 0;
    for (size_t pos = m_text.find(from); pos != std::wstring::npos; pos = m_text.find(from, pos + to.size())) {
        m_text.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Replace(wchar_t oldChar, wchar_t newChar)
{
    int count = 0;
    for (wchar_t& ch : m_text) {
        if (ch == oldChar) {
            ch = newChar;
            ++count;
        }
    }
    return count;
}
