#include "HoleCategory.h"

HoleCategory ClassifyHoleId(int32_t identifier)
{
    // The ranges are 101..199, 201..299, ... 1001..1099, in the order of the enumeration.
    for (int i = 0; i < HoleCategoryCount - 1; ++i) {
        const uint32_t low = static_cast<uint32_t>(101 + 100 * i);
        if (static_cast<uint32_t>(identifier) - low <= 98u)
            return static_cast<HoleCategory>(i);
    }
    return HoleCategory::Undetermined;
}

CategorySlot ColorSlotOf(HoleCategory category)
{
    switch (category) {
    case HoleCategory::Drill:        return SlotDrill;
    case HoleCategory::Boring:       return SlotBoring;
    case HoleCategory::Reamer:       return SlotReamer;
    case HoleCategory::Tap:          return SlotTap;
    case HoleCategory::Counterbore:  return SlotCounterbore;
    case HoleCategory::JG:           return SlotJG;
    case HoleCategory::JB:           return SlotJB;
    case HoleCategory::WC:           return SlotWC;
    case HoleCategory::Milling:      return SlotMilling;
    case HoleCategory::Slot:         return SlotSlot;
    case HoleCategory::Undetermined: break;
    }
    return SlotUndetermined;
}
