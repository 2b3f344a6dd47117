#include "CategoryColors.h"

#include "ColourPolicy.h"
#include "ModuleName.h"
#include "PaletteTable.h"
#include "RegistryString.h"

const CategoryColorValue CategoryColorValues[CategorySlotCount] = {
    { L"mColor000", L"MAINCOLOR01" }, { L"mColor101", L"MAINCOLOR06" }, { L"mColor201", L"MAINCOLOR06" },
    { L"mColor301", L"MAINCOLOR04" }, { L"mColor401", L"MAINCOLOR08" }, { L"mColor402", L"MAINCOLOR03" },
    { L"mColor501", L"MAINCOLOR09" }, { L"mColor601", L"MAINCOLOR06" }, { L"mColor701", L"MAINCOLOR06" },
    { L"mColor801", L"MAINCOLOR04" }, { L"mColor901", L"MAINCOLOR05" }, { L"mColor1001", L"MAINCOLOR11" },
};

int CategoryColors[CategorySlotCount] = {};

CString ReadCategoryColorName(CString valueName, CString defaultColorName)
{
    return ReadCategoryColorName(ModuleName, valueName, defaultColorName);
}

CString ReadCategoryColorName(CString subKey, CString valueName, CString defaultColorName)
{
    CString name;
    if (ReadRegistryString(MakeSettingsKeyPath(subKey), valueName, name) == -1) {
        name = defaultColorName;
        // Best effort: when the default cannot be stored, the next load tries again.
        WriteSettingString(subKey, valueName, defaultColorName);
    }
    return name;
}

bool LoadCategoryColors()
{
    return LoadCategoryColors(ReadColourPolicy());
}

bool LoadCategoryColors(const ColourPolicy& policy)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const CString name = policy.IsLocked(slot)
                                 ? policy.locks[slot].name
                                 : ReadCategoryColorName(CategoryColorValues[slot].valueName, policy.DefaultName(slot));
        CategoryColors[slot] = FindMainColor(name).entry.m_nNumber;
    }
    return true;
}

bool SaveCategoryColorNames(const CString names[CategorySlotCount])
{
    return SaveCategoryColorNames(names, ColourPolicy());
}

bool SaveCategoryColorNames(const CString names[CategorySlotCount], const ColourPolicy& policy)
{
    bool allWritten = true;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (policy.IsLocked(slot))
            continue;
        if (!WriteSettingString(ModuleName, CategoryColorValues[slot].valueName, names[slot]))
            allWritten = false;
    }
    return allWritten;
}
