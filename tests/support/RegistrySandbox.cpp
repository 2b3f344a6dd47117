#include "RegistrySandbox.h"

#include <sddl.h>

#include <stdexcept>
#include <vector>

namespace {

// Gives full access back so that the sandbox can be deleted after a test made a key read-only.
void RestoreAccess(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC | KEY_ENUMERATE_SUB_KEYS, &key) == ERROR_SUCCESS) {
        PSECURITY_DESCRIPTOR sd = nullptr;
        if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &sd,
                                                                   nullptr)) {
            ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
            ::LocalFree(sd);
        }
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (::RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            RestoreAccess(root, path + L"\\" + name);
        }
        ::RegCloseKey(key);
    }
}

} // namespace

RegistrySandbox::RegistrySandbox()
{
    static int counter = 0;
    m_path = L"Software\\RimtoneTestSandbox\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter);
    m_machinePath = m_path + L"-machine";
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key,
                          nullptr) != ERROR_SUCCESS ||
        ::RegCreateKeyExW(HKEY_CURRENT_USER, m_machinePath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &m_machineKey, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the registry sandbox");
    ::RegOverridePredefKey(HKEY_CURRENT_USER, m_key);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machineKey);
}

RegistrySandbox::~RegistrySandbox()
{
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegCloseKey(m_machineKey);
    ::RegCloseKey(m_key);
    for (const std::wstring& path : { m_machinePath, m_path }) {
        RestoreAccess(HKEY_CURRENT_USER, path);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
    }
}

bool SetRawValue(LPCWSTR keyPath, LPCWSTR valueName, DWORD type, const void* data, DWORD byteCount)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExW(key, valueName, 0, type, static_cast<const BYTE*>(data), byteCount);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool SetStringValue(LPCWSTR keyPath, LPCWSTR valueName, const std::wstring& text)
{
    return SetRawValue(keyPath, valueName, REG_SZ, text.c_str(),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool DeleteValue(LPCWSTR keyPath, LPCWSTR valueName)
{
    return ::RegDeleteKeyValueW(HKEY_CURRENT_USER, keyPath, valueName) == ERROR_SUCCESS;
}

bool KeyExists(LPCWSTR keyPath)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool GetStringValue(LPCWSTR keyPath, LPCWSTR valueName, std::wstring& text, DWORD* type)
{
    DWORD byteCount = 0;
    DWORD valueType = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, keyPath, valueName, RRF_RT_ANY | RRF_NOEXPAND, &valueType, nullptr,
                       &byteCount) != ERROR_SUCCESS)
        return false;
    std::vector<wchar_t> data(byteCount / sizeof(wchar_t) + 1, L'\0');
    if (::RegGetValueW(HKEY_CURRENT_USER, keyPath, valueName, RRF_RT_ANY | RRF_NOEXPAND, &valueType, data.data(),
                       &byteCount) != ERROR_SUCCESS)
        return false;
    text.assign(data.data());
    if (type)
        *type = valueType;
    return true;
}

bool SetKeyDacl(LPCWSTR keyPath, LPCWSTR sddl)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    PSECURITY_DESCRIPTOR sd = nullptr;
    bool done = false;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd, nullptr)) {
        done = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
        ::LocalFree(sd);
    }
    ::RegCloseKey(key);
    return done;
}

const wchar_t kPolicyKey[] = L"SOFTWARE\\Policies\\Hallgrove\\PAV\\Rimtone";

bool SetPolicyValue(HKEY root, bool defaults, LPCWSTR valueName, DWORD type, const void* data, DWORD byteCount)
{
    const std::wstring path = std::wstring(kPolicyKey) + (defaults ? L"\\Defaults" : L"");
    return ::RegSetKeyValueW(root, path.c_str(), valueName, type, data, byteCount) == ERROR_SUCCESS;
}

bool SetPolicyString(HKEY root, bool defaults, LPCWSTR valueName, const std::wstring& text)
{
    return SetPolicyValue(root, defaults, valueName, REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void RemovePolicies()
{
    for (HKEY root : { HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER }) {
        ::RegDeleteTreeW(root, kPolicyKey);
        ::RegDeleteKeyW(root, kPolicyKey);
    }
}
