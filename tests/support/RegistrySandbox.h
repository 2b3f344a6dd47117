#pragma once
// Redirects this process's HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE to fresh, empty keys for the
// lifetime of the object, so that tests use the real registry without touching the prefix user's
// settings, and a policy a test sets never outlives it. Plain Win32, for tests of code with and
// without the framework: a test of framework code includes the framework's headers before this one.
#include <windows.h>
#include <string>

class RegistrySandbox
{
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // Where the redirected HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE lie below the real
    // HKEY_CURRENT_USER, for a program of another process (which the redirection does not reach).
    const std::wstring& Path() const { return m_path; }
    const std::wstring& MachinePath() const { return m_machinePath; }

private:
    std::wstring m_path;  // below the real HKEY_CURRENT_USER
    std::wstring m_machinePath;
    HKEY m_key = nullptr;
    HKEY m_machineKey = nullptr;
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

// A value of the colour policy: of the machine's (HKEY_LOCAL_MACHINE) or the user's policy key, or
// of its Defaults.
bool SetPolicyValue(HKEY root, bool defaults, LPCWSTR valueName, DWORD type, const void* data, DWORD byteCount);
bool SetPolicyString(HKEY root, bool defaults, LPCWSTR valueName, const std::wstring& text);
// Removes both policy keys, as an administrator lifting every lock.
void RemovePolicies();
