#pragma once
// An open registry key that is closed when the object goes away, on every path.
#include <windows.h>

class RegistryKey
{
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; ERROR_SUCCESS or the registry's error code.
    LONG Open(HKEY parent, LPCWSTR path, REGSAM access)
    {
        Close();
        return ::RegOpenKeyExW(parent, path, 0, access, &m_key);
    }

    // Opens the key, creating it and every missing key above it.
    LONG Create(HKEY parent, LPCWSTR path, REGSAM access)
    {
        Close();
        return ::RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_key,
                                 nullptr);
    }

    void Close()
    {
        if (m_key) {
            ::RegCloseKey(m_key);
            m_key = nullptr;
        }
    }

    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};
