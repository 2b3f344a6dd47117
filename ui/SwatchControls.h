#pragma once
// Control ids of the swatches: the picker's follow from the palette row, the settings dialog's
// from the slot through the category table.
#include "CategoryColors.h"
#include "HoleCategory.h"
#include "PaletteTable.h"
#include "resource.h"

// The picker swatch of a palette row (1..16): the first has an id of its own, the rest follow on.
constexpr int PickerSwatchId(int row)
{
    return row == 1 ? IDC_COLOR01 : IDC_COLOR02 + (row - 2);
}
static_assert(PickerSwatchId(MainColorCount) == IDC_COLOR16, "picker swatches 2..16 are numbered in a row");

// The palette row that a picker swatch shows, or 0 for any other control.
constexpr int PickerSwatchRow(int controlId)
{
    if (controlId == IDC_COLOR01)
        return 1;
    return controlId >= IDC_COLOR02 && controlId <= IDC_COLOR16 ? controlId - IDC_COLOR02 + 2 : 0;
}

// The swatch of each slot of the settings dialog, in slot order, as the category table gives it.
struct SlotSwatchTable
{
    int idOfSlot[CategorySlotCount];
};

constexpr SlotSwatchTable MakeSlotSwatchTable()
{
    SlotSwatchTable table = {};
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        table.idOfSlot[slot] = UseOfSlot(slot).color.swatchId;
    return table;
}

inline constexpr SlotSwatchTable kSlotSwatchTable = MakeSlotSwatchTable();
inline constexpr const int (&SlotSwatchIds)[CategorySlotCount] = kSlotSwatchTable.idOfSlot;

constexpr bool EverySlotHasASwatchOfItsOwn()
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        for (int other = 0; other < slot; ++other) {
            if (SlotSwatchIds[slot] == 0 || SlotSwatchIds[slot] == SlotSwatchIds[other])
                return false;
        }
    }
    return SlotSwatchIds[0] != 0;
}
static_assert(EverySlotHasASwatchOfItsOwn(), "each slot has a swatch control, and no two slots share one");

// The label of each slot's row, in slot order: the two tap swatches share theirs.
struct SlotLabelTable
{
    int idOfSlot[CategorySlotCount];
};

constexpr SlotLabelTable MakeSlotLabelTable()
{
    SlotLabelTable table = {};
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        table.idOfSlot[slot] = FactsOf(UseOfSlot(slot).category).labelId;
    return table;
}

inline constexpr SlotLabelTable kSlotLabelTable = MakeSlotLabelTable();
inline constexpr const int (&SlotLabelIds)[CategorySlotCount] = kSlotLabelTable.idOfSlot;

// The slot of a settings swatch, or -1 for any other control.
constexpr int SlotOfSwatch(int controlId)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (SlotSwatchIds[slot] == controlId)
            return slot;
    }
    return -1;
}
