#pragma once
// The colour of each hole category: palette names in the registry, colour numbers in memory.
#include <afx.h>

class ColourPolicy;

constexpr int CategorySlotCount = 12;

// Slot indices, in the fixed order of loading, saving and the settings dialog's swatches.
enum CategorySlot
{
    SlotUndetermined = 0,
    SlotDrill,
    SlotBoring,
    SlotReamer,
    SlotTap,
    SlotTapSecond,
    SlotCounterbore,
    SlotJG,
    SlotJB,
    SlotWC,
    SlotMilling,
    SlotSlot,
};

struct CategoryColorValue
{
    const wchar_t* valueName;         // registry value under the settings key
    const wchar_t* defaultColorName;  // palette name used when the value cannot be read
};

// The registry facts of every slot, in slot order; the settings dialog and the tests read them here.
extern const CategoryColorValue CategoryColorValues[CategorySlotCount];

// The loaded colour numbers by slot; zero until the first load, written only by LoadCategoryColors.
extern int CategoryColors[CategorySlotCount];

// The stored name of one value, as stored; the default (written back) when it cannot be read.
CString ReadCategoryColorName(CString valueName, CString defaultColorName);
// The same under the settings key of another sub-key (the settings dialog passes its own copy of
// the module name).
CString ReadCategoryColorName(CString subKey, CString valueName, CString defaultColorName);

// Reads the policy, then the 12 names, and resolves them to colour numbers; a name outside the
// palette gives 0.
bool LoadCategoryColors();
// The same with the policy read already. A locked slot takes its lock and leaves the user's value
// alone, unread and unwritten; any other slot reads the user's value, falling back to (and writing
// back) the policy's default.
bool LoadCategoryColors(const ColourPolicy& policy);

// Writes the 12 names in slot order. Every write is attempted; false when any of them failed.
bool SaveCategoryColorNames(const CString names[CategorySlotCount]);
// The same for the slots the policy leaves unlocked: a locked slot's user value stays as it is.
bool SaveCategoryColorNames(const CString names[CategorySlotCount], const ColourPolicy& policy);
