#include "StoredColours.h"

#include "ModuleName.h"
#include "RegistryString.h"

StoredSlots ReadStoredColours()
{
    StoredSlots slots;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const CategoryColorValue& value = CategoryColorValues[slot];
        slots[slot].stored = PeekSettingString(ModuleName, value.valueName);
        const StoredSetting& stored = slots[slot].stored;
        slots[slot].used = ResolvePaletteName(stored.IsRead() ? stored.text : CString(value.defaultColorName));
    }
    return slots;
}

SlotNames UsedNames(const StoredSlots& slots)
{
    SlotNames names;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        names[slot] = slots[slot].used.name;
    return names;
}

bool WriteSlotNames(const SlotNames& names, std::wstring& problem, SettingWriter write)
{
    const CString keyPath = MakeSettingsKeyPath(ModuleName);
    std::array<RegistryValueCopy, CategorySlotCount> before;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (!names[slot].IsEmpty() && !CopyRegistryValue(keyPath, CategoryColorValues[slot].valueName, before[slot])) {
            problem = std::wstring(L"cannot read ") + CategoryColorValues[slot].valueName +
                      L" to keep a copy of it; nothing was written";
            return false;
        }
    }

    std::vector<int> written;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (names[slot].IsEmpty())
            continue;
        if (write(ModuleName, CategoryColorValues[slot].valueName, names[slot])) {
            written.push_back(slot);
            continue;
        }
        problem = std::wstring(L"cannot write ") + CategoryColorValues[slot].valueName + L" under HKEY_CURRENT_USER\\" +
                  static_cast<LPCWSTR>(keyPath);
        std::wstring notRestored;
        for (auto it = written.rbegin(); it != written.rend(); ++it) {
            if (!RestoreRegistryValue(keyPath, CategoryColorValues[*it].valueName, before[*it]))
                notRestored += std::wstring(notRestored.empty() ? L"" : L", ") + CategoryColorValues[*it].valueName;
        }
        if (notRestored.empty())
            problem += written.empty() ? L"; nothing was changed"
                                       : L"; the " + std::to_wstring(written.size()) +
                                             L" values already written were put back as they were";
        else
            problem += L"; these values could not be put back and hold the new names: " + notRestored;
        return false;
    }
    return true;
}
