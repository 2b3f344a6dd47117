#include "StoredSetting.h"

#include "RegistryKey.h"
#include "RegistryString.h"

StoredSetting PeekSettingString(CString subKey, CString valueName)
{
    StoredSetting stored;
    const CString keyPath = MakeSettingsKeyPath(subKey);
    {
        RegistryKey key;
        const LONG opened = key.Open(HKEY_CURRENT_USER, keyPath, KEY_QUERY_VALUE);
        if (opened != ERROR_SUCCESS) {
            stored.kind = opened == ERROR_FILE_NOT_FOUND ? StoredKind::Missing : StoredKind::Unreadable;
            return stored;
        }
        const LONG queried = ::RegQueryValueExW(key.Get(), valueName, nullptr, &stored.type, nullptr, nullptr);
        if (queried != ERROR_SUCCESS) {
            stored.kind = queried == ERROR_FILE_NOT_FOUND ? StoredKind::Missing : StoredKind::Unreadable;
            return stored;
        }
    }
    // The text itself comes from the store's own read, so that its limits apply exactly.
    if (ReadRegistryString(keyPath, valueName, stored.text) != 0) {
        stored.kind = StoredKind::Unreadable;
        return stored;
    }
    stored.kind = stored.type == REG_SZ ? StoredKind::Text : StoredKind::OtherType;
    return stored;
}

bool CopyRegistryValue(CString keyPath, CString valueName, RegistryValueCopy& copy)
{
    copy = RegistryValueCopy();
    RegistryKey key;
    const LONG opened = key.Open(HKEY_CURRENT_USER, keyPath, KEY_QUERY_VALUE);
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;

    DWORD byteCount = 0;
    LONG queried = ::RegQueryValueExW(key.Get(), valueName, nullptr, &copy.type, nullptr, &byteCount);
    if (queried == ERROR_FILE_NOT_FOUND)
        return true;
    if (queried != ERROR_SUCCESS)
        return false;
    copy.data.resize(byteCount);
    queried = ::RegQueryValueExW(key.Get(), valueName, nullptr, &copy.type, copy.data.data(), &byteCount);
    if (queried != ERROR_SUCCESS)
        return false;
    copy.data.resize(byteCount);
    copy.exists = true;
    return true;
}

bool RestoreRegistryValue(CString keyPath, CString valueName, const RegistryValueCopy& copy)
{
    RegistryKey key;
    if (!copy.exists) {
        const LONG opened = key.Open(HKEY_CURRENT_USER, keyPath, KEY_SET_VALUE);
        if (opened == ERROR_FILE_NOT_FOUND)
            return true;
        if (opened != ERROR_SUCCESS)
            return false;
        const LONG deleted = ::RegDeleteValueW(key.Get(), valueName);
        return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
    }
    if (key.Create(HKEY_CURRENT_USER, keyPath, KEY_SET_VALUE) != ERROR_SUCCESS)
        return false;
    return ::RegSetValueExW(key.Get(), valueName, 0, copy.type, copy.data.data(),
                            static_cast<DWORD>(copy.data.size())) == ERROR_SUCCESS;
}
