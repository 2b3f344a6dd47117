// Measures the recolouring pass of Rimtone.dll on a large pick in the stand-in host, beside a
// baseline that makes the same host calls and writes the same fields with no classification.
#include "AllocationCounter.h"

#include <PavStub.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kHoles = 100000;
constexpr int kSubHolesPerHole = 16;
constexpr int kRounds = 5;

double Seconds()
{
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; ::QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BuildDrawing()
{
    PavStubReset();
    PavStubSetCallLogging(0);
    std::vector<SubHoleRecord> subHoles(kSubHolesPerHole);
    HoleRecord header = {};
    header.subHoleCount = kSubHolesPerHole;
    for (int hole = 0; hole < kHoles; ++hole) {
        for (int i = 0; i < kSubHolesPerHole; ++i) {
            subHoles[i] = SubHoleRecord{};
            subHoles[i].identifier = ((hole + i) % 12) * 100 + 1 + (i * 7) % 99;  // every category
        }
        PavStubAddHole(hole, &header, subHoles.data(), kSubHolesPerHole);
        PavStubAddEntity(hole, 0x5A5A, hole);
    }
}

// The least any pass must do, with the same host calls: walk the pick, look up each hole id,
// read the record, write each colour field from a table indexed by the hundreds, amend and free.
void BaselinePass()
{
    static const int32_t colors[16] = { 0, 5, 5, 3, 7, 8, 5, 5, 3, 4, 10, 0, 0, 0, 0, 0 };
    PickItemBuffer item = {};
    HoleRecord record;
    void* iterator = PavIddOpenSelIdData(1, nullptr, nullptr, nullptr);
    for (int more = PavIddGetHeadSelIdData(iterator, &item); more != -1;
         more = PavIddGetNextSelIdData(iterator, &item)) {
        const HoleKey key = { item.item.word1, item.item.word0 };
        const int hole = PavHolGetHoleId(&key);
        if (hole == -1 || PavHolGetHoleData2(hole, &record) == -1)
            continue;
        for (int32_t i = 0; i < record.subHoleCount; ++i) {
            SubHoleRecord& sub = record.subHoles[i];
            const uint32_t hundreds = static_cast<uint32_t>(sub.identifier) / 100u;
            sub.color = colors[hundreds & 15u];
            sub.color2 = colors[(hundreds + 1u) & 15u];
        }
        PavHolAmendHoleData2(hole, &record);
        PavHolFreeHoleData2(&record);
    }
    PavIddCloseSelIdData(iterator);
}

} // namespace

int main()
{
    HMODULE plugin = ::LoadLibraryW(L"Rimtone.dll");
    if (!plugin) {
        std::fprintf(stderr, "error: cannot load Rimtone.dll (error %lu)\n", ::GetLastError());
        return 1;
    }
    const auto startup = reinterpret_cast<PavStartupFn>(reinterpret_cast<void*>(::GetProcAddress(plugin, "Startup")));
    if (!startup) {
        std::fprintf(stderr, "error: Rimtone.dll does not export Startup\n");
        return 1;
    }

    BuildDrawing();
    if (startup(nullptr, nullptr, nullptr, nullptr) != 0 || PavStubCallStartCommand() != 0) {
        std::fprintf(stderr, "error: the command could not be started\n");
        return 1;
    }

    AllocationCounter allocations(plugin);
    double passBest = 1e30;
    double baselineBest = 1e30;
    long passAllocations = 0;
    PavStubStats before = {};
    PavStubStats after = {};
    for (int round = 0; round < kRounds; ++round) {
        PavStubClearPick();
        PavStubPickAll();
        PavStubGetStats(&before);
        allocations.Start();
        double start = Seconds();
        PavStubCallExecute(0, nullptr, nullptr, nullptr);
        passBest = std::min(passBest, Seconds() - start);
        passAllocations = std::max(passAllocations, allocations.Stop());
        PavStubGetStats(&after);

        PavStubClearPick();
        PavStubPickAll();
        start = Seconds();
        BaselinePass();
        baselineBest = std::min(baselineBest, Seconds() - start);
    }

    const double subHoles = static_cast<double>(kHoles) * kSubHolesPerHole;
    const int reads = after.holeReads - before.holeReads;
    const int amends = after.holeAmends - before.holeAmends;
    const int frees = after.holeFrees - before.holeFrees;
    const double callsPerHole = static_cast<double>(reads + amends + frees) / kHoles;
    const double ratio = passBest / baselineBest;

    std::printf("pick: %d holes x %d sub-holes, best of %d rounds\n", kHoles, kSubHolesPerHole, kRounds);
    std::printf("pass:     %8.2f ns per sub-hole (%.3f s)\n", passBest * 1e9 / subHoles, passBest);
    std::printf("baseline: %8.2f ns per sub-hole (%.3f s)\n", baselineBest * 1e9 / subHoles, baselineBest);
    std::printf("host calls in the pass: %d reads, %d amends, %d frees, %d in all for %d holes\n", reads, amends,
                frees, after.operationCalls - before.operationCalls, kHoles);
    std::printf("allocation functions watched in Rimtone.dll: %d\n", allocations.FunctionsWatched());
    std::printf("targets: ratio <= 1.5, heap allocations 0, host calls per hole 3\n");
    std::printf("pass/baseline ratio %.2f, heap allocations %ld, host calls per hole %g\n", ratio, passAllocations,
                callsPerHole);
    return 0;
}
