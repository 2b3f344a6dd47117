#pragma once
// What the benchmark reports of the machine it runs on.
#include <string>

// The largest cache of each level the system reports, in bytes; 0 where it reports none.
struct CacheSizes
{
    unsigned long long level1Data = 0;
    unsigned long long level2 = 0;
    unsigned long long level3 = 0;
};

CacheSizes ReadCacheSizes();

// "L1d 48 KiB, L2 2 MiB, L3 480 MiB", or "not reported".
std::string Describe(const CacheSizes& caches);

// Physical memory free now, in bytes; 0 when the system does not say.
unsigned long long AvailableMemory();
