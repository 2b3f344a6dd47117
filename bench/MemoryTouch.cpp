#include "MemoryTouch.h"

#include <PavLib.h>

namespace {

// Walks the pick as the module must and hands each record read to touch.
template <typename Touch>
void WalkPick(Touch touch)
{
    PickItemBuffer item;
    HoleRecord record;
    void* iterator = PavIddOpenSelIdData(1, nullptr, nullptr, nullptr);
    for (int more = PavIddGetHeadSelIdData(iterator, &item); more != -1;
         more = PavIddGetNextSelIdData(iterator, &item)) {
        const HoleKey key = { item.item.word1, item.item.word0 };
        const int hole = PavHolGetHoleId(&key);
        if (hole == -1 || PavHolGetHoleData2(hole, &record) == -1)
            continue;
        touch(record);
        PavHolAmendHoleData2(hole, &record);
        PavHolFreeHoleData2(&record);
    }
    PavIddCloseSelIdData(iterator);
}

} // namespace

void MemoryTouchPass(const TouchTables& tables)
{
    WalkPick([&tables](HoleRecord& record) {
        SubHoleRecord* subHoles = record.subHoles;
        const int32_t count = record.subHoleCount;
        for (int32_t i = 0; i < count; ++i) {
            SubHoleRecord& subHole = subHoles[i];
            const int32_t identifier = subHole.identifier;
            // 1 for a tap (401..499), else 0: the borrow of a 64-bit subtraction, with no compare.
            const uint64_t tapOffset = static_cast<uint32_t>(identifier) - 401u;
            const size_t tap = static_cast<size_t>((tapOffset - 99u) >> 63);
            const int32_t color = tables.colorByLowBits[identifier & 15];
            subHole.*tables.secondColorField[tap] = color;
            subHole.color = color;
        }
    });
}

void HostCallsOnly()
{
    WalkPick([](HoleRecord&) {});
}
