#pragma once
// Control ids of the swatches: the picker's follow from the palette row; the settings dialog's
// controls are listed by category here, checked against the category table, and found by slot.
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

// The settings dialog's row of each category, in the order of HoleCategory: its label, and the
// swatch of each colour the category writes.
struct CategoryRow
{
    HoleCategory category;
    int labelId;
    int swatchId;        // the colour written to a sub-hole's color field
    int secondSwatchId;  // the colour written to color2; 0 for a category that writes none
};

inline constexpr CategoryRow CategoryRows[HoleCategoryCount] = {
    { HoleCategory::Drill,        IDC_LABEL_DRILL,        IDC_SWATCH_DRILL,        0 },
    { HoleCategory::Boring,       IDC_LABEL_BORING,       IDC_SWATCH_BORING,       0 },
    { HoleCategory::Reamer,       IDC_LABEL_REAMER,       IDC_SWATCH_REAMER,       0 },
    { HoleCategory::Tap,          IDC_LABEL_TAP,          IDC_SWATCH_TAP,          IDC_SWATCH_TAP_SECOND },
    { HoleCategory::Counterbore,  IDC_LABEL_COUNTERBORE,  IDC_SWATCH_COUNTERBORE,  0 },
    { HoleCategory::JG,           IDC_LABEL_JG,           IDC_SWATCH_JG,           0 },
    { HoleCategory::JB,           IDC_LABEL_JB,           IDC_SWATCH_JB,           0 },
    { HoleCategory::WC,           IDC_LABEL_WC,           IDC_SWATCH_WC,           0 },
    { HoleCategory::Milling,      IDC_LABEL_MILLING,      IDC_SWATCH_MILLING,      0 },
    { HoleCategory::Slot,         IDC_LABEL_SLOT,         IDC_SWATCH_SLOT,         0 },
    { HoleCategory::Undetermined, IDC_LABEL_UNDETERMINED, IDC_SWATCH_UNDETERMINED, 0 },
};

// Every category has its row, with a second swatch exactly where the category writes a second colour.
constexpr bool EveryCategoryHasItsRow()
{
    for (int i = 0; i < HoleCategoryCount; ++i) {
        const CategoryRow& row = CategoryRows[i];
        if (static_cast<int>(row.category) != i || row.labelId == 0 || row.swatchId == 0
            || (row.secondSwatchId != 0) != HoleCategories[i].color2.IsWritten())
            return false;
    }
    return true;
}
static_assert(EveryCategoryHasItsRow(),
              "CategoryRows follows HoleCategories: one row a category, a second swatch for a second colour");

// The swatch and the label of each slot of the settings dialog, in slot order, as the category
// table gives them: the two tap swatches share their label.
struct SlotControls
{
    int swatchOfSlot[CategorySlotCount];
    int labelOfSlot[CategorySlotCount];
};

constexpr SlotControls MakeSlotControls()
{
    SlotControls controls = {};
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const SlotUse& use = UseOfSlot(slot);
        const CategoryRow& row = CategoryRows[static_cast<int>(use.category)];
        controls.swatchOfSlot[slot] = use.second ? row.secondSwatchId : row.swatchId;
        controls.labelOfSlot[slot] = row.labelId;
    }
    return controls;
}

inline constexpr SlotControls kSlotControls = MakeSlotControls();
inline constexpr const int (&SlotSwatchIds)[CategorySlotCount] = kSlotControls.swatchOfSlot;
inline constexpr const int (&SlotLabelIds)[CategorySlotCount] = kSlotControls.labelOfSlot;

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

// The slot of a settings swatch, or -1 for any other control.
constexpr int SlotOfSwatch(int controlId)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (SlotSwatchIds[slot] == controlId)
            return slot;
    }
    return -1;
}
