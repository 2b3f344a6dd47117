#include "MachineFacts.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

CacheSizes ReadCacheSizes()
{
    CacheSizes caches;
    DWORD bytes = 0;
    ::GetLogicalProcessorInformation(nullptr, &bytes);
    std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> info(bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION) + 1);
    if (!::GetLogicalProcessorInformation(info.data(), &bytes))
        return caches;
    for (size_t i = 0; i < bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION); ++i) {
        const SYSTEM_LOGICAL_PROCESSOR_INFORMATION& entry = info[i];
        if (entry.Relationship != RelationCache || entry.Cache.Type == CacheInstruction)
            continue;
        unsigned long long* size = entry.Cache.Level == 1 ? &caches.level1Data
                                 : entry.Cache.Level == 2 ? &caches.level2
                                 : entry.Cache.Level == 3 ? &caches.level3 : nullptr;
        if (size)
            *size = std::max<unsigned long long>(*size, entry.Cache.Size);
    }
    return caches;
}

std::string Describe(const CacheSizes& caches)
{
    const struct { const char* name; unsigned long long bytes; } levels[] = {
        { "L1d", caches.level1Data }, { "L2", caches.level2 }, { "L3", caches.level3 },
    };
    std::string text;
    for (const auto& level : levels) {
        if (!level.bytes)
            continue;
        // MiB only when exact: a 1.25 MiB L2 is 1280 KiB, not 1 MiB.
        const unsigned long long kib = level.bytes / 1024;
        const bool wholeMib = kib >= 1024 && kib % 1024 == 0;
        char part[48];
        std::snprintf(part, sizeof part, "%s%s %llu %s", text.empty() ? "" : ", ", level.name,
                      wholeMib ? kib / 1024 : kib, wholeMib ? "MiB" : "KiB");
        text += part;
    }
    return text.empty() ? "not reported" : text;
}

unsigned long long AvailableMemory()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    return ::GlobalMemoryStatusEx(&status) ? status.ullAvailPhys : 0;
}
