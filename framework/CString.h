#pragma once
// The framework's string class: UTF-16 text with value semantics.
#include "AfxWindows.h"
#include <string>

class CString
{
public:
    CString() = default;
    CString(LPCWSTR text) : m_text(text ? text : L"") {}
    CString(LPCWSTR text, int length) : m_text(text ? text : L"", text && length > 0 ? length : 0) {}

    CString& operator=(LPCWSTR text) { m_text = text ? text : L""; return *this; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    bool IsEmpty() const { return m_text.empty(); }
    operator LPCWSTR() const { return m_text.c_str(); }

    // Ordinal comparison, and the same without regard to letter case; <0, 0 or >0.
    int Compare(LPCWSTR other) const;
    int CompareNoCase(LPCWSTR other) const;

    // printf-style formatting with the C runtime's wide conventions (%s is wide text).
    void Format(LPCWSTR format, ...);
    // Replaces every occurrence and returns how many were replaced.
    int Replace(LPCWSTR oldText, LPCWSTR newText);
    int Replace(wchar_t oldChar, wchar_t newChar);

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(LPCWSTR other) { m_text += other ? other : L""; return *this; }
    CString& operator+=(wchar_t ch) { m_text += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, LPCWSTR b) { CString r(a); r += b; return r; }
    friend CString operator+(LPCWSTR a, const CString& b) { CString r(a); r += b; return r; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
    friend bool operator!=(LPCWSTR a, const CString& b) { return !(a == b); }

private:
    std::wstring m_text;
};
