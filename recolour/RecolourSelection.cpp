#include "RecolourSelection.h"

#include "HoleCategory.h"

#include <CategoryColors.h>
#include <PavLib.h>

#include <cstring>

namespace {

const wchar_t kNoHoleIdMessage[] = L"장공의 구멍정보는 RESET할수 없습니다.";
const wchar_t kUnreadableMessage[] = L"구멍데이터를 참조할수 없습니다.";

// Selection iterator mode for the hole shapes of the current pick.
const int kPickedHoleShapes = 1;

// The colour numbers of one pass, by category, taken once from CategoryColors, and the field that
// takes a category's second colour: color2 for a category with one (the tap), color itself for
// every other category, where the category's own colour then overwrites it. So the sub-hole loop
// needs no branch on the category, and no sub-hole but one of such a category has its color2
// written.
struct PassColors
{
    int32_t color[HoleCategoryCount];
    int32_t color2[HoleCategoryCount];
    int32_t SubHoleRecord::* secondColorField[HoleCategoryCount];
};

PassColors TakeColors()
{
    PassColors colors;
    for (int i = 0; i < HoleCategoryCount; ++i) {
        const HoleCategoryFacts& facts = HoleCategories[i];
        colors.color[i] = CategoryColors[facts.color.slot];
        const bool hasSecond = facts.color2.IsWritten();
        colors.color2[i] = hasSecond ? CategoryColors[facts.color2.slot] : colors.color[i];
        colors.secondColorField[i] = hasSecond ? &SubHoleRecord::color2 : &SubHoleRecord::color;
    }
    return colors;
}

// Writes the colour fields of every sub-hole of the record; a record without a sub-hole array
// counts as having no sub-holes whatever its count says.
void RecolourRecord(HoleRecord& record, const PassColors& colors)
{
    SubHoleRecord* subHoles = record.subHoles;
    if (!subHoles)
        return;
    const int32_t count = record.subHoleCount;
    for (int32_t i = 0; i < count; ++i) {
        SubHoleRecord& subHole = subHoles[i];
        const int category = static_cast<int>(ClassifyHoleId(subHole.identifier));
        subHole.*colors.secondColorField[category] = colors.color2[category];
        subHole.color = colors.color[category];
    }
}

// Asks the iterator for the head or next item into a buffer zeroed beforehand, since the host may
// write more than the 8 bytes that are read; false when there is no item.
bool FetchItem(void* handle, bool head, PickItemBuffer& buffer)
{
    std::memset(&buffer, 0, sizeof buffer);
    const int result = head ? PavIddGetHeadSelIdData(handle, &buffer) : PavIddGetNextSelIdData(handle, &buffer);
    return result != -1;
}

} // namespace

void RecolourSelection(void* a1, void* a2, void* a3)
{
    const PassColors colors = TakeColors();
    void* handle = PavIddOpenSelIdData(kPickedHoleShapes, a1, a2, a3);
    PickItemBuffer pick;
    HoleRecord record;
    for (bool more = FetchItem(handle, true, pick); more; more = FetchItem(handle, false, pick)) {
        const HoleKey key = { pick.item.word1, pick.item.word0 };
        const int holeId = PavHolGetHoleId(&key);
        if (holeId == -1) {
            PavMsgPutErrorMessage(kNoHoleIdMessage);
            continue;
        }
        std::memset(&record, 0, sizeof record);
        if (PavHolGetHoleData2(holeId, &record) == -1) {
            PavMsgPutErrorMessage(kUnreadableMessage);
            break;
        }
        RecolourRecord(record, colors);
        PavHolAmendHoleData2(holeId, &record);
        PavHolFreeHoleData2(&record);
    }
    PavIddCloseSelIdData(handle);
}
