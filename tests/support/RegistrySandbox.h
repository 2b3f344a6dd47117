#pragma once
// Redirects this process's HKEY_CURRENT_USER to a fresh, empty key for the lifetime of the object,
// so that tests use the real registry without touching the prefix user's settings. Plain Win32, for
// tests of code with and without the framework: a test of framework code includes the framework's
// headers before this one.
#include <windows.h>
#include <string>

class RegistrySandbox
{
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

private:
    std::wstring m_path;  // below the real HKEY_CURRENT_USER
    HKEY m_key = nullptr;
};

// Test helpers on the (redirected) HKEY_CURRENT_USER; all return true on success.
bool SetRawValue(LPCWSTR keyPath, LPCWSTR valueName, DWORD type, const void* data, DWORD byteCount);
bool SetStringValue(LPCWSTR keyPath, LPCWSTR valueName, const std::wstring& text);
bool DeleteValue(LPCWSTR keyPath, LPCWSTR valueName);
bool KeyExists(LPCWSTR keyPath);
// The value's type and text (its bytes as UTF-16); false when it does not exist.
bool GetStringValue(LPCWSTR keyPath, LPCWSTR valueName, std::wstring& text, DWORD* type = nullptr);
// Replaces the key's access list by an SDDL DACL, e.g. read-only "D:P(A;;KRRCWDSD;;;WD)".
bool SetKeyDacl(LPCWSTR keyPath, LPCWSTR sddl);
