#include "RegistryString.h"

#include "RegistryKey.h"

namespace {

// The buffer is a byte larger than the size a read declares.
constexpr DWORD kBufferBytes = MaxSettingBytes + 1;

// The registry accepts "/" inside key names; settings paths use it as a separator.
CString NormalizeKeyPath(CString keyPath)
{
    keyPath.Replace(L'/', L'\\');
    return keyPath;
}

} // namespace

CString DecodeRegistryText(const BYTE* data, DWORD byteCount)
{
    const DWORD charCount = byteCount / sizeof(wchar_t);
    const wchar_t* chars = reinterpret_cast<const wchar_t*>(data);
    DWORD length = 0;
    while (length < charCount && chars[length] != L'\0')
        ++length;
    return CString(chars, static_cast<int>(length));
}

CString MakeSettingsKeyPath(CString subKey)
{
    return CString(L"SOFTWARE\\Hallgrove\\PAV\\") + subKey;
}

int ReadRegistryString(CString keyPath, CString valueName, CString& text)
{
    RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, NormalizeKeyPath(keyPath), KEY_READ) != ERROR_SUCCESS)
        return -1;

    alignas(wchar_t) BYTE buffer[kBufferBytes] = {};
    DWORD byteCount = MaxSettingBytes;
    if (::RegQueryValueExW(key.Get(), valueName, nullptr, nullptr, buffer, &byteCount) != ERROR_SUCCESS)
        return -1;
    if (byteCount > MaxSettingBytes)
        return -1;

    text = DecodeRegistryText(buffer, byteCount);
    return 0;
}

int WriteRegistryString(CString keyPath, CString valueName, CString text)
{
    RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, NormalizeKeyPath(keyPath), KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return -1;

    const DWORD byteCount = static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t));
    const LPCWSTR chars = text;
    if (::RegSetValueExW(key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(chars), byteCount)
        != ERROR_SUCCESS)
        return -1;
    return 0;
}

bool WriteSettingString(CString subKey, CString valueName, CString text)
{
    return WriteRegistryString(MakeSettingsKeyPath(subKey), valueName, text) == 0;
}
