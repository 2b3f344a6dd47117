#pragma once
// The only way the module touches the registry: REG_SZ values under HKEY_CURRENT_USER.
#include <afx.h>

// The most data a read takes: stored names are short, and a value of 256 bytes or more (127
// characters and a NUL) counts as unreadable.
constexpr DWORD MaxSettingBytes = 255;

// "SOFTWARE\Hallgrove\PAV\" followed by the sub-key.
CString MakeSettingsKeyPath(CString subKey);

// Reads the value as text (up to its first NUL, or the end of its data). 0 on success; -1 when the
// key or value is missing, access is denied or the data is over 255 bytes, leaving `text` as it was.
int ReadRegistryString(CString keyPath, CString valueName, CString& text);

// Writes `text` as REG_SZ, creating the key path as needed. 0 on success, -1 otherwise.
int WriteRegistryString(CString keyPath, CString valueName, CString text);

// WriteRegistryString under the settings key of `subKey`; true when it was written.
bool WriteSettingString(CString subKey, CString valueName, CString text);

// Registry data is user input: the UTF-16 text in the first `byteCount` bytes only, ending at its
// first NUL; an odd trailing byte is dropped.
CString DecodeRegistryText(const BYTE* data, DWORD byteCount);
