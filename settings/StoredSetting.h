#pragma once
// Reading a settings value as the store would, without ever writing a default back; and an exact
// copy of a value, so that a batch of writes can be put back as it was.
#include <afx.h>

#include <vector>

enum class StoredKind
{
    Text,        // a REG_SZ value the store reads as it is
    OtherType,   // a value of another registry type, which the store reads from its bytes
    Missing,     // no key or no value: the store uses the default
    Unreadable,  // access denied or data over 255 bytes: the store uses the default
};

struct StoredSetting
{
    StoredKind kind = StoredKind::Missing;
    DWORD type = REG_NONE;  // the registry type, for Text and OtherType
    CString text;           // what the store reads, for Text and OtherType

    // True when the store reads the value's text; false when it uses the default instead.
    bool IsRead() const { return kind == StoredKind::Text || kind == StoredKind::OtherType; }
};

// What one value under the settings key of `subKey` holds, without creating or changing anything.
StoredSetting PeekSettingString(CString subKey, CString valueName);

// One value exactly as stored: its type and bytes, or that it does not exist.
struct RegistryValueCopy
{
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// Copies a value of HKEY_CURRENT_USER\keyPath; false when it cannot be read (access denied).
bool CopyRegistryValue(CString keyPath, CString valueName, RegistryValueCopy& copy);
// Puts a copied value back: the same type and bytes, or deletes it when it did not exist.
bool RestoreRegistryValue(CString keyPath, CString valueName, const RegistryValueCopy& copy);
