// The host may load and unload the plug-in as often as it likes: a full cycle of LoadLibrary,
// Startup, a command start, a pass, the settings dialog and FreeLibrary gives back every handle,
// TLS index, GDI object and heap block it took. Counts are compared after the first and after the last cycle,
// so that what the first load sets up for good in the process (Wine's own caches, the dialog
// class) does not count.
#include "DialogDriver.h"
#include "GdiCount.h"
#include "HandleCount.h"
#include "RegistrySandbox.h"
#include "StandInDrawing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kCycles = 100;

// The first TLS index free in this process: it climbs by one for each index a cycle keeps.
DWORD FirstFreeTlsIndex()
{
    const DWORD index = ::TlsAlloc();
    if (index != TLS_OUT_OF_INDEXES)
        ::TlsFree(index);
    return index;
}

// Blocks in use in every heap of the process: the C runtime's and the system's.
std::size_t CountHeapBlocks()
{
    std::vector<HANDLE> heaps(64);
    DWORD count = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (count > heaps.size()) {
        heaps.resize(count);
        count = ::GetProcessHeaps(count, heaps.data());
    }
    std::size_t blocks = 0;
    for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                ++blocks;
        }
        ::HeapUnlock(heaps[i]);
    }
    return blocks;
}

struct ProcessCounts
{
    std::size_t handles;
    DWORD firstFreeTls;
    std::size_t gdiObjects;
    std::size_t heapBlocks;
};

ProcessCounts CountNow()
{
    return { CountProcessHandles(), FirstFreeTlsIndex(), CountGdiObjects(), CountHeapBlocks() };
}

void Print(const char* when, const ProcessCounts& counts)
{
    std::printf("%-22s handles %zu, first free TLS index %lu, GDI objects %zu, heap blocks %zu\n", when,
                counts.handles, static_cast<unsigned long>(counts.firstFreeTls), counts.gdiObjects,
                counts.heapBlocks);
}

// One cycle as a host runs it. Returns false (with the failure recorded) when a step went wrong.
bool LoadUseAndUnload()
{
    PavStubReset();
    HMODULE module = ::LoadLibraryW(L"Rimtone.dll");
    EXPECT_NE(module, nullptr) << "LoadLibraryW failed: " << ::GetLastError();
    if (!module)
        return false;
    const auto startup = reinterpret_cast<PavStartupFn>(reinterpret_cast<void*>(::GetProcAddress(module, "Startup")));
    bool ok = startup && startup(nullptr, nullptr, nullptr, nullptr) == 0 && PavStubCallStartCommand() == 0;
    EXPECT_TRUE(ok) << "Startup or StartCommand failed";
    if (ok) {
        PavStubPick(AddPickableHole(1, { MakeSubHole(150, -1, -1, 1) }));
        ok = PavStubCallExecute(0, nullptr, nullptr, nullptr) == 0 && ReadBackHole(1).subHoles[0].color == 5;
        EXPECT_TRUE(ok) << "the pass did not recolour the hole";
    }
    if (ok) {
        ModalScript script;
        HWND settings = nullptr;
        script.WaitFor(kSettingsCaption, &settings).Do([&] { Click(settings, IDOK); });
        ok = PavStubCallExecute(7, nullptr, nullptr, nullptr) == 0 && script.Finished();
        EXPECT_TRUE(ok) << "the settings dialog did not open and close";
    }
    // The stand-in keeps the module's callbacks: forget them before the code goes away.
    PavStubReset();
    EXPECT_TRUE(::FreeLibrary(module));
    EXPECT_EQ(::GetModuleHandleW(L"Rimtone.dll"), nullptr) << "the module is still loaded";
    return ok;
}

} // namespace

TEST(UnloadLeak, HundredLoadCyclesGiveBackEveryHandleTlsIndexGdiObjectAndHeapBlock)
{
    RegistrySandbox sandbox;
    HWND host = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    ::SetActiveWindow(host);

    Print("before the first load", CountNow());
    ASSERT_TRUE(LoadUseAndUnload());
    const ProcessCounts first = CountNow();
    Print("after cycle 1", first);
    for (int cycle = 2; cycle <= kCycles; ++cycle)
        ASSERT_TRUE(LoadUseAndUnload()) << "cycle " << cycle;
    const ProcessCounts last = CountNow();
    Print("after cycle 100", last);
    ::DestroyWindow(host);

    ASSERT_GT(first.handles, 0u) << "the system handle table cannot be read here";
    EXPECT_EQ(last.handles, first.handles) << "kernel handles kept by unloaded copies of the module";
    EXPECT_EQ(last.firstFreeTls, first.firstFreeTls) << "TLS indices kept by unloaded copies of the module";
    EXPECT_EQ(last.gdiObjects, first.gdiObjects) << "GDI objects kept by unloaded copies of the module";
    EXPECT_EQ(last.heapBlocks, first.heapBlocks) << "heap blocks kept by unloaded copies of the module";
}
