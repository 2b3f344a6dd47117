#include "RecolourSelection.h"

#include "HoleCategory.h"

#include <CategoryColors.h>
#include <PavLib.h>

#include <cstddef>
#include <cstring>

namespace {

const wchar_t kNoHoleIdMessage[] = L"장공의 구멍정보는 RESET할수 없습니다.";
const wchar_t kUnreadableMessage[] = L"구멍데이터를 참조할수 없습니다.";

// Selection iterator mode for the hole shapes of the current pick.
const int kPickedHoleShapes = 1;

// The slot of the second colour of the one category that has one (the tap). The pass keeps that
// colour at hand for its whole walk; a table in which another category wrote a second colour as
// well would need it looked up by category in the loop, so it is refused here.
constexpr int SecondColorSlot()
{
    int slot = -1;
    for (const HoleCategoryFacts& facts : HoleCategories) {
        if (facts.color2.IsWritten())
            slot = slot == -1 ? facts.color2.slot : -2;
    }
    return slot;
}
static_assert(SecondColorSlot() >= 0, "exactly one category writes a second colour, which the pass keeps at hand");

// What the pass writes into a sub-hole of a category, 8 bytes so that one load brings both: the
// category's colour number, and the offset of the field that takes the second colour: color2 for
// the category that has one, color itself for every other, where the category's own colour then
// overwrites it. So the sub-hole loop needs no branch on the category.
struct CategoryWrite
{
    int32_t color;
    uint32_t secondColorField;
};

// The colours of one pass, taken once from CategoryColors; the fields follow from the category
// table at compile time.
struct PassColors
{
    CategoryWrite write[HoleCategoryCount];
    int32_t secondColor;
};

PassColors TakeColors()
{
    PassColors colors;
    for (int i = 0; i < HoleCategoryCount; ++i) {
        const HoleCategoryFacts& facts = HoleCategories[i];
        colors.write[i].color = CategoryColors[facts.color.slot];
        colors.write[i].secondColorField = static_cast<uint32_t>(
            facts.color2.IsWritten() ? offsetof(SubHoleRecord, color2) : offsetof(SubHoleRecord, color));
    }
    colors.secondColor = CategoryColors[SecondColorSlot()];
    return colors;
}

// The 32-bit field at a byte offset of a sub-hole record.
int32_t& FieldAt(SubHoleRecord& subHole, uint32_t offset)
{
    return *reinterpret_cast<int32_t*>(reinterpret_cast<unsigned char*>(&subHole) + offset);
}

// Writes the colour fields of every sub-hole of the record; a record without a sub-hole array
// counts as having no sub-holes whatever its count says.
void RecolourRecord(HoleRecord& record, const PassColors& colors)
{
    SubHoleRecord* subHoles = record.subHoles;
    if (!subHoles)
        return;
    const int32_t secondColor = colors.secondColor;
    const int32_t count = record.subHoleCount;
    for (int32_t i = 0; i < count; ++i) {
        SubHoleRecord& subHole = subHoles[i];
        const CategoryWrite write = colors.write[static_cast<int>(ClassifyHoleId(subHole.identifier))];
        FieldAt(subHole, write.secondColorField) = secondColor;
        subHole.color = write.color;
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
