// The benchmark's host library: host operations that cost next to nothing, over sub-hole arrays
// handed out in place, so that what the benchmark times is the module's own work.
#include "BenchHost.h"

#include <windows.h>

namespace {

// The word that marks the benchmark's entities in the second PickItem word.
const int32_t kEntityTag = 0x5A5A;

struct Drawing
{
    SubHoleRecord* subHoles = nullptr;
    int holeCount = 0;
    int subHolesPerHole = 0;
};

struct Pick
{
    int first = 0;
    int end = 0;
};

struct Iterator
{
    bool open = false;
    int next = 0;
};

Drawing g_drawing;
Pick g_pick;
Iterator g_iterator;
int g_recordOut = -1;  // the hole whose record was read and not yet freed
BenchHostCounts g_counts;
PavStartCommandFn g_start = nullptr;
PavExecuteFn g_execute = nullptr;

SubHoleRecord* SubHolesOf(int holeId)
{
    return g_drawing.subHoles + static_cast<size_t>(holeId) * static_cast<size_t>(g_drawing.subHolesPerHole);
}

bool IsHole(int holeId)
{
    return holeId >= 0 && holeId < g_drawing.holeCount;
}

int NextItem(void* handle, void* pickItem, bool fromHead)
{
    ++g_counts.operationCalls;
    if (handle != &g_iterator || !g_iterator.open || !pickItem) {
        ++g_counts.badCalls;
        return -1;
    }
    if (fromHead)
        g_iterator.next = g_pick.first;
    if (g_iterator.next >= g_pick.end)
        return -1;
    PickItem* item = static_cast<PickItem*>(pickItem);
    item->word0 = g_iterator.next++;
    item->word1 = kEntityTag;
    return 0;
}

} // namespace

extern "C" {

SubHoleRecord* BenchHostCreateDrawing(int holeCount, int subHolesPerHole)
{
    BenchHostDestroyDrawing();
    if (holeCount <= 0 || subHolesPerHole <= 0)
        return nullptr;
    const size_t bytes = static_cast<size_t>(holeCount) * static_cast<size_t>(subHolesPerHole) * sizeof(SubHoleRecord);
    void* block = ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!block)
        return nullptr;
    g_drawing.subHoles = static_cast<SubHoleRecord*>(block);
    g_drawing.holeCount = holeCount;
    g_drawing.subHolesPerHole = subHolesPerHole;
    g_pick = Pick{ 0, holeCount };
    return g_drawing.subHoles;
}

void BenchHostDestroyDrawing(void)
{
    if (g_drawing.subHoles)
        ::VirtualFree(g_drawing.subHoles, 0, MEM_RELEASE);
    g_drawing = Drawing{};
    g_pick = Pick{};
    g_iterator = Iterator{};
    g_recordOut = -1;
    g_counts = BenchHostCounts{};
}

int BenchHostPick(int firstHole, int holeCount)
{
    if (firstHole < 0 || holeCount < 0 || holeCount > g_drawing.holeCount - firstHole)
        return -1;
    g_pick = Pick{ firstHole, firstHole + holeCount };
    return 0;
}

int BenchHostStartCommand(void)
{
    return g_start ? g_start() : -1;
}

int BenchHostExecute(int event)
{
    return g_execute ? g_execute(event, nullptr, nullptr, nullptr) : -1;
}

void BenchHostGetCounts(BenchHostCounts* counts)
{
    if (counts)
        *counts = g_counts;
}

int PavCtlRegisterPavLib2(PavStartCommandFn start, PavSecondFn, PavThirdFn, void*)
{
    ++g_counts.operationCalls;
    g_start = start;
    return 1;
}

void PavCtlSetExecuteFunc(PavExecuteFn exec, const wchar_t*)
{
    ++g_counts.operationCalls;
    g_execute = exec;
}

void PavEvtSetEventMask(int)
{
    ++g_counts.operationCalls;
}

void PavEvtSetObject(const void*)
{
    ++g_counts.operationCalls;
}

void PavIddClearSysIdData(void)
{
    ++g_counts.operationCalls;
}

void* PavIddOpenSelIdData(int, void*, void*, void*)
{
    ++g_counts.operationCalls;
    if (g_iterator.open)
        ++g_counts.badCalls;
    g_iterator.open = true;
    g_iterator.next = g_pick.first;
    return &g_iterator;
}

int PavIddGetHeadSelIdData(void* handle, void* pickItem)
{
    return NextItem(handle, pickItem, true);
}

int PavIddGetNextSelIdData(void* handle, void* pickItem)
{
    return NextItem(handle, pickItem, false);
}

void PavIddCloseSelIdData(void* handle)
{
    ++g_counts.operationCalls;
    if (handle != &g_iterator || !g_iterator.open)
        ++g_counts.badCalls;
    g_iterator.open = false;
}

int PavHolGetHoleId(const void* holeKey)
{
    ++g_counts.operationCalls;
    if (!holeKey)
        return -1;
    const HoleKey* key = static_cast<const HoleKey*>(holeKey);
    return key->pickWord1 == kEntityTag && IsHole(key->pickWord0) ? key->pickWord0 : -1;
}

int PavHolGetHoleData2(int holeId, void* holeRecord)
{
    ++g_counts.operationCalls;
    if (!IsHole(holeId) || !holeRecord || g_recordOut != -1) {
        ++g_counts.badCalls;
        return -1;
    }
    HoleRecord* record = static_cast<HoleRecord*>(holeRecord);
    record->subHoleCount = g_drawing.subHolesPerHole;
    record->subHoles = SubHolesOf(holeId);
    g_recordOut = holeId;
    ++g_counts.holeReads;
    return 0;
}

int PavHolAmendHoleData2(int holeId, void* holeRecord)
{
    ++g_counts.operationCalls;
    const HoleRecord* record = static_cast<const HoleRecord*>(holeRecord);
    if (holeId != g_recordOut || !record || record->subHoles != SubHolesOf(holeId)) {
        ++g_counts.badCalls;
        return -1;
    }
    ++g_counts.holeAmends;
    return 0;
}

void PavHolFreeHoleData2(void* holeRecord)
{
    ++g_counts.operationCalls;
    const HoleRecord* record = static_cast<const HoleRecord*>(holeRecord);
    if (g_recordOut == -1 || !record || record->subHoles != SubHolesOf(g_recordOut)) {
        ++g_counts.badCalls;
        return;
    }
    g_recordOut = -1;
    ++g_counts.holeFrees;
}

void PavMsgPutCursorMessage(const wchar_t*)
{
    ++g_counts.operationCalls;
}

void PavMsgPutMessage(const wchar_t*)
{
    ++g_counts.operationCalls;
}

void PavMsgPutErrorMessage(const wchar_t*)
{
    ++g_counts.operationCalls;
    ++g_counts.errorMessages;
}

} // extern "C"
