#pragma once
// The category colours in the registry as the tool sees them: read without writing anything back,
// with the administrators' policy applied as a load applies it, and written all or nothing.
#include "SlotColours.h"
#include "ColourPolicy.h"
#include "RegistryString.h"
#include "StoredSetting.h"

#include <string>

// Where the colour a slot loads as comes from.
enum class ColourSource
{
    MachineLock,
    UserLock,
    UserValue,
    MachineDefault,  // a site default of the machine policy, for a missing or unreadable user value
    UserDefault,     // the same of the user policy
    BuiltInDefault,
};

struct StoredSlot
{
    StoredSetting stored;  // what the user's value holds
    SlotColour used;       // what the next load will use for it
    ColourSource source = ColourSource::UserValue;

    bool IsLocked() const { return source == ColourSource::MachineLock || source == ColourSource::UserLock; }
};

using StoredSlots = std::array<StoredSlot, CategorySlotCount>;

// The 12 values and what the next load makes of each under the policy; creates and writes nothing.
StoredSlots ReadStoredColours(const ColourPolicy& policy);
// The same under the policy in force now.
StoredSlots ReadStoredColours();
// The palette names that the next load will use, slot by slot.
SlotNames UsedNames(const StoredSlots& slots);

// The store's write of one value; replaceable so that a failure part-way can be tested.
using SettingWriter = bool (*)(CString subKey, CString valueName, CString text);

// Writes every non-empty name; the other values stay as they are. When a write fails, the values
// already written are put back as they were and `problem` says what happened.
bool WriteSlotNames(const SlotNames& names, std::wstring& problem, SettingWriter write = WriteSettingString);
