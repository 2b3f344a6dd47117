#pragma once
// The category colours in the registry as the tool sees them: read without writing anything back,
// and written all or nothing.
#include "SlotColours.h"
#include "RegistryString.h"
#include "StoredSetting.h"

#include <string>

struct StoredSlot
{
    StoredSetting stored;  // what the value holds
    SlotColour used;       // what the next load will use for it
};

using StoredSlots = std::array<StoredSlot, CategorySlotCount>;

// The 12 values and what the next load makes of each; creates and writes nothing.
StoredSlots ReadStoredColours();
// The palette names that the next load will use, slot by slot.
SlotNames UsedNames(const StoredSlots& slots);

// The store's write of one value; replaceable so that a failure part-way can be tested.
using SettingWriter = bool (*)(CString subKey, CString valueName, CString text);

// Writes every non-empty name; the other values stay as they are. When a write fails, the values
// already written are put back as they were and `problem` says what happened.
bool WriteSlotNames(const SlotNames& names, std::wstring& problem, SettingWriter write = WriteSettingString);
