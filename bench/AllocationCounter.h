#pragma once
// Counts heap allocations a loaded module makes, by redirecting the allocation functions in its
// import table to counting forwarders while a measurement runs.
#include <windows.h>

class AllocationCounter
{
public:
    // Patches the module's imports; FunctionsWatched() tells how many were found.
    explicit AllocationCounter(HMODULE module);
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    int FunctionsWatched() const { return m_patched; }
    void Start();
    // Allocations seen since Start.
    long Stop();

private:
    HMODULE m_module;
    int m_patched = 0;
};
