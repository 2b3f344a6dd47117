#include "AppliedColors.h"

#include <HoleCategory.h>
#include <PavStub.h>

#include <climits>

namespace {

// PickItem words that no entity of a drawing uses (those start at 0x1001).
const int32_t kProbeWord0 = 0;
const int32_t kProbeWord1 = 0;
// What the probe's colour fields hold before the pass writes them.
const int32_t kUnwritten = INT32_MIN;

} // namespace

bool ReadAppliedColors(int (&colors)[CategorySlotCount])
{
    int holeId = INT_MAX;
    while (holeId > 0 && PavStubGetHole(holeId, nullptr, nullptr, 0) != -1)
        --holeId;
    SubHoleRecord subHoles[HoleCategoryCount] = {};
    for (int c = 0; c < HoleCategoryCount; ++c) {
        subHoles[c].identifier = ExampleIdOf(static_cast<HoleCategory>(c));
        subHoles[c].color = kUnwritten;
        subHoles[c].color2 = kUnwritten;
    }
    if (PavStubAddHole(holeId, nullptr, subHoles, HoleCategoryCount) != 0)
        return false;
    const int entity = PavStubAddEntity(kProbeWord0, kProbeWord1, holeId);
    PavStubClearPick();
    PavStubPick(entity);
    PavStubCallExecute(0, nullptr, nullptr, nullptr);
    if (PavStubGetHoleAmendCount(holeId) != 1 ||
        PavStubGetHole(holeId, nullptr, subHoles, HoleCategoryCount) != HoleCategoryCount)
        return false;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const SlotUse& use = UseOfSlot(slot);
        const SubHoleRecord& probe = subHoles[static_cast<int>(use.category)];
        colors[slot] = use.second ? probe.color2 : probe.color;
    }
    return true;
}
