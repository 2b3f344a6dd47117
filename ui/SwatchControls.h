#pragma once
// Control ids of the swatches: the picker's follow from the palette row, the settings dialog's
// from the slot.
#include "CategoryColors.h"
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

// The swatch of each slot of the settings dialog, in slot order.
inline constexpr int SlotSwatchIds[CategorySlotCount] = {
    IDC_SWATCH_UNDETERMINED, IDC_SWATCH_DRILL, IDC_SWATCH_BORING, IDC_SWATCH_REAMER,
    IDC_SWATCH_TAP,          IDC_SWATCH_TAP_SECOND, IDC_SWATCH_COUNTERBORE, IDC_SWATCH_JG,
    IDC_SWATCH_JB,           IDC_SWATCH_WC, IDC_SWATCH_MILLING, IDC_SWATCH_SLOT,
};

// The label of each slot's row, in slot order: the two tap swatches share theirs.
inline constexpr int SlotLabelIds[CategorySlotCount] = {
    IDC_LABEL_UNDETERMINED, IDC_LABEL_DRILL, IDC_LABEL_BORING, IDC_LABEL_REAMER,
    IDC_LABEL_TAP,          IDC_LABEL_TAP,   IDC_LABEL_COUNTERBORE, IDC_LABEL_JG,
    IDC_LABEL_JB,           IDC_LABEL_WC,    IDC_LABEL_MILLING, IDC_LABEL_SLOT,
};

// The slot of a settings swatch, or -1 for any other control.
constexpr int SlotOfSwatch(int controlId)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (SlotSwatchIds[slot] == controlId)
            return slot;
    }
    return -1;
}
