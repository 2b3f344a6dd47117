#include "StoredColours.h"

#include "ModuleName.h"
#include "RegistryString.h"

namespace {

ColourSource SourceOf(const ColourPolicy& policy, int slot, const StoredSetting& stored)
{
    if (policy.IsLocked(slot))
        return policy.locks[slot].scope == PolicyScope::Machine ? ColourSource::MachineLock : ColourSource::UserLock;
    if (stored.IsRead())
        return ColourSource::UserValue;
    if (!policy.siteDefaults[slot].set)
        return ColourSource::BuiltInDefault;
    return policy.siteDefaults[slot].scope == PolicyScope::Machine ? ColourSource::MachineDefault
                                                                   : ColourSource::UserDefault;
}

} // namespace

StoredSlots ReadStoredColours(const ColourPolicy& policy)
{
    StoredSlots slots;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        StoredSlot& value = slots[slot];
        value.stored = PeekSettingString(ModuleName, CategoryColorValues[slot].valueName);
        value.source = SourceOf(policy, slot, value.stored);
        if (value.IsLocked())
            value.used = ResolvePaletteName(policy.locks[slot].name);
        else
            value.used = ResolvePaletteName(value.stored.IsRead() ? value.stored.text : policy.DefaultName(slot));
    }
    return slots;
}

StoredSlots ReadStoredColours()
{
    return ReadStoredColours(ReadColourPolicy());
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
