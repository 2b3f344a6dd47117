#pragma once
// Where administrators set the category colours by policy: one key under HKEY_LOCAL_MACHINE (the
// machine policy) and the same under HKEY_CURRENT_USER (the user policy), as Group Policy and
// device-management tools write them. Rimtone reads them and never writes them. The templates in
// policies/ name exactly these keys and values (a test reads them from here).

// A value named like a setting (CategoryColorValues) locks that slot to the palette name it holds.
inline constexpr wchar_t PolicyKeyPath[] = L"SOFTWARE\\Policies\\Hallgrove\\PAV\\Rimtone";
// Below the policy key: values named like the settings give site defaults, which users may change.
inline constexpr wchar_t PolicyDefaultsSubKey[] = L"Defaults";
// Text shown to users beside locked colours.
inline constexpr wchar_t AdministratorNoteValue[] = L"AdministratorNote";
constexpr int AdministratorNoteMaxChars = 200;
