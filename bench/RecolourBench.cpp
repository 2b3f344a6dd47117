// Measures the recolouring pass of Rimtone.dll over drawings from cache-resident to far beyond the
// cache, in the benchmark's own host, which hands out its sub-hole arrays in place, against the
// memory-touch loop over the same records in the same run. Prints its figures, never fails on them.
#include "AllocationCounter.h"
#include "BenchHost.h"
#include "Clock.h"
#include "MachineFacts.h"
#include "MemoryTouch.h"
#include "PassCheck.h"
#include "StartBench.h"
#include "SubHoleIdentifiers.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kHoleCounts[] = { 1000, 100000, 1000000 };
constexpr int kSubHolesPerHole = 16;
constexpr int kRounds = 9;
// The largest pick walked at one go, 4 MB of records; and how many sub-holes each of the loops
// covers in a round at least, walking a small drawing several times.
constexpr int kChunkHoles = 1000;
constexpr double kSubHolesPerRound = 4e6;
// Left free for the rest of the machine when deciding whether a drawing fits in memory.
constexpr unsigned long long kMemoryHeadroom = 2ull << 30;
const TouchTables kTouchTables = {
    { 0, 5, 5, 3, 7, 8, 5, 5, 3, 4, 10, 0, 2, 6, 9, 1 },
    { &SubHoleRecord::color, &SubHoleRecord::color2 },
};

struct Row
{
    int holes = 0;
    bool inCache = false;  // the records fit in the largest cache
    IdentifierOrder order = IdentifierOrder::Random;
    double passNs = 0;  // per sub-hole
    double touchNs = 0;
    double hostNs = 0;
    double ratio = 0;   // median of the rounds' pass / touch
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Walk>
double Time(Walk walk)
{
    const double start = Seconds();
    walk();
    return Seconds() - start;
}

// Times the pass, the memory-touch loop and the host calls alone in many short steps, so that
// whatever else the machine does falls on all three alike. A drawing larger than a chunk is
// walked a chunk at a time, the pass and the touch loop each on a chunk of its own, swapping in
// every step, so that neither finds the records the other just brought into the cache; a smaller
// one is walked whole by each in turn. Fills the row's figures, medians of the rounds.
void MeasureRounds(Row& row, int holes, AllocationCounter& allocations, long& passAllocations)
{
    const int chunkHoles = std::min(holes, kChunkHoles);
    const int chunks = holes / chunkHoles;
    const double chunkSubHoles = static_cast<double>(chunkHoles) * kSubHolesPerHole;
    const int steps = std::max(chunks / 2, static_cast<int>(kSubHolesPerRound / chunkSubHoles + 0.5));
    const double nsPerSubHole = 1e9 / (steps * chunkSubHoles);
    std::vector<double> pass, touch, host, ratios;
    for (int round = 0; round < kRounds; ++round) {
        double passSeconds = 0, touchSeconds = 0, hostSeconds = 0;
        for (int step = 0; step < steps; ++step) {
            const bool passFirst = (step + round) % 2 == 0;
            const int passChunk = (2 * step + (passFirst ? 0 : 1)) % chunks;
            const int touchChunk = (2 * step + (passFirst ? 1 : 0)) % chunks;
            for (int turn = 0; turn < 2; ++turn) {
                if ((turn == 0) == passFirst) {
                    BenchHostPick(passChunk * chunkHoles, chunkHoles);
                    allocations.Start();
                    passSeconds += Time([] { BenchHostExecute(0); });
                    passAllocations += allocations.Stop();
                    hostSeconds += Time(HostCallsOnly);
                } else {
                    BenchHostPick(touchChunk * chunkHoles, chunkHoles);
                    touchSeconds += Time([] { MemoryTouchPass(kTouchTables); });
                }
            }
        }
        pass.push_back(passSeconds * nsPerSubHole);
        touch.push_back(touchSeconds * nsPerSubHole);
        host.push_back(hostSeconds * nsPerSubHole);
        ratios.push_back(passSeconds / touchSeconds);
    }
    BenchHostPick(0, holes);
    row.passNs = Median(pass);
    row.touchNs = Median(touch);
    row.hostNs = Median(host);
    row.ratio = Median(ratios);
}

HMODULE LoadPluginBesideUs()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring plugin(path, length);
    plugin.erase(plugin.find_last_of(L'\\') + 1);
    plugin += L"..\\Rimtone.dll";
    return ::LoadLibraryW(plugin.c_str());
}

} // namespace

int main()
{
    HMODULE plugin = LoadPluginBesideUs();
    if (!plugin) {
        std::fprintf(stderr, "error: cannot load Rimtone.dll from the folder above the benchmark's (error %lu)\n",
                     ::GetLastError());
        return 1;
    }
    const auto startup = reinterpret_cast<PavStartupFn>(reinterpret_cast<void*>(::GetProcAddress(plugin, "Startup")));
    if (!startup || startup(nullptr, nullptr, nullptr, nullptr) != 0 || BenchHostStartCommand() != 0) {
        std::fprintf(stderr, "error: Rimtone.dll did not register and start its command\n");
        return 1;
    }

    const StartFigures start = MeasureStart(plugin);

    const CacheSizes caches = ReadCacheSizes();
    const double cacheBytes = static_cast<double>(std::max(caches.level2, caches.level3));
    std::printf("Recolouring benchmark: Rimtone.dll in the benchmark's own host, sub-hole arrays handed out in place\n");
    std::printf("cache %s; %d sub-holes a hole, %zu bytes each\n", Describe(caches).c_str(), kSubHolesPerHole,
                sizeof(SubHoleRecord));
    std::printf("ns per sub-hole, median of %d rounds. The pass, the memory-touch loop (the least any pass can do,\n"
                "with the same host calls) and the host calls alone take turns on picks of up to %d holes; in a\n"
                "larger drawing the pass and the touch loop each walk parts of their own. In cache: the records\n"
                "fit in the largest cache the system reports. pass/touch: the median of the rounds' ratios.\n\n",
                kRounds, kChunkHoles);
    std::printf("    holes    records  in cache  identifiers   pass  touch   host  pass/touch\n");

    AllocationCounter allocations(plugin);
    long passAllocations = 0;
    std::vector<Row> rows;
    BenchHostCounts onePass = {};
    int onePassHoles = 0;
    for (const int holes : kHoleCounts) {
        const size_t subHoleCount = static_cast<size_t>(holes) * kSubHolesPerHole;
        const double bytes = static_cast<double>(subHoleCount) * sizeof(SubHoleRecord);
        const unsigned long long needed = static_cast<unsigned long long>(bytes) + subHoleCount + kMemoryHeadroom;
        const unsigned long long available = AvailableMemory();
        if (available < needed) {
            std::printf("%9d  %6.0f MB  skipped: needs %.1f GB of free memory with headroom, %.1f GB available\n",
                        holes, bytes / 1e6, static_cast<double>(needed) / 1e9, static_cast<double>(available) / 1e9);
            continue;
        }
        SubHoleRecord* subHoles = BenchHostCreateDrawing(holes, kSubHolesPerHole);
        if (!subHoles) {
            std::printf("%9d  %6.0f MB  skipped: the host could not have the memory\n", holes, bytes / 1e6);
            continue;
        }
        std::vector<uint8_t> categories(subHoleCount);
        for (const IdentifierOrder order : { IdentifierOrder::Random, IdentifierOrder::LongRuns }) {
            WriteIdentifiers(subHoles, subHoleCount, order, 20261208u + static_cast<uint64_t>(holes), categories.data());
            BenchHostCounts before, after;
            BenchHostGetCounts(&before);
            const std::string fault = CheckPass(subHoles, subHoleCount, categories.data(), holes);
            BenchHostGetCounts(&after);
            if (!fault.empty()) {
                std::fprintf(stderr, "error: %d holes, %s identifiers: %s\n", holes, NameOf(order), fault.c_str());
                return 1;
            }
            onePass.operationCalls = after.operationCalls - before.operationCalls;
            onePass.holeReads = after.holeReads - before.holeReads;
            onePass.holeAmends = after.holeAmends - before.holeAmends;
            onePass.holeFrees = after.holeFrees - before.holeFrees;
            onePassHoles = holes;

            Row row;
            row.holes = holes;
            row.inCache = bytes <= cacheBytes;
            row.order = order;
            MeasureRounds(row, holes, allocations, passAllocations);
            rows.push_back(row);
            std::printf("%9d  %6.0f MB  %-8s  %-11s  %5.2f  %5.2f  %5.2f  %10.2f\n", row.holes, bytes / 1e6,
                        row.inCache ? "yes" : "no", NameOf(order), row.passNs, row.touchNs, row.hostNs, row.ratio);
            std::fflush(stdout);
        }
        BenchHostDestroyDrawing();
    }
    if (rows.empty()) {
        std::fprintf(stderr, "error: no drawing could be measured, so there is no ratio to report\n");
        return 1;
    }

    const double recordCallsPerHole =
        static_cast<double>(onePass.holeReads + onePass.holeAmends + onePass.holeFrees) / onePassHoles;
    std::printf("\nevery pass checked before it was timed: every sub-hole coloured, alike within its category, "
                "color2 of taps only\n");
    std::printf("host calls in a pass of %d holes: %lld reads, %lld amends, %lld frees, %g a hole on its record;\n"
                "  %lld calls in all with the selection iterator and the hole ids\n", onePassHoles, onePass.holeReads,
                onePass.holeAmends, onePass.holeFrees, recordCallsPerHole, onePass.operationCalls);
    std::printf("heap allocations by Rimtone.dll in the timed passes: %ld (%d allocation functions watched)\n",
                passAllocations, allocations.FunctionsWatched());
    double worst = 0;
    for (const IdentifierOrder order : { IdentifierOrder::Random, IdentifierOrder::LongRuns }) {
        std::printf("worst pass/touch (%s):", NameOf(order));
        for (const bool inCache : { true, false }) {
            double worstHere = 0;
            for (const Row& row : rows) {
                if (row.order == order && row.inCache == inCache)
                    worstHere = std::max(worstHere, row.ratio);
            }
            worst = std::max(worst, worstHere);
            std::printf(inCache ? " in cache " : ", beyond it ");
            if (worstHere > 0)
                std::printf("%.2f", worstHere);
            else
                std::printf("not measured");
        }
        std::printf("\n");
    }
    std::printf("targets with random identifiers: pass/touch <= 1.5 in cache and <= 1.10 beyond it, "
                "heap allocations 0, host calls per hole 3 (its read, amend and free); R is the worst pass/touch of all\n");
    std::printf("pass/baseline ratio %.2f, heap allocations %ld, host calls per hole %g, ", worst, passAllocations,
                recordCallsPerHole);
    if (start.measured)
        std::printf("start with policy/plain load %.2f\n", start.ratio);
    else
        std::printf("start with policy/plain load not measured\n");
    return 0;
}
