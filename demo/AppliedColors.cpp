#include "AppliedColors.h"

#include <HoleCategory.h>
#include <PavStub.h>

#include <climits>

namespace {

// One identifier of each category, in the order of HoleCategory.
const int32_t kProbeIdentifiers[HoleCategoryCount] = { 101, 201, 301, 401, 501, 601, 701, 801, 901, 1001, 0 };
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
        subHoles[c].identifier = kProbeIdentifiers[c];
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
    for (int c = 0; c < HoleCategoryCount; ++c)
        colors[ColorSlotOf(static_cast<HoleCategory>(c))] = subHoles[c].color;
    colors[SlotTapSecond] = subHoles[static_cast<int>(HoleCategory::Tap)].color2;
    return true;
}
