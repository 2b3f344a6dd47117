#include "HoleCategory.h"

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
