#pragma once
// Counts heap allocations a loaded module makes, by redirecting the allocation functions in its
// import table to counting forwarders while a measurement runs.
#include "ImportTable.h"

class AllocationCounter
{
public:
    // Patches the module's imports; FunctionsWatched() tells how many were found.
    explicit AllocationCounter(HMODULE module);
    ~AllocationCounter();

    int FunctionsWatched() const { return m_hooks.Patched(); }
    void Start();
    // Allocations seen since Start.
    long Stop();

private:
    ImportHooks m_hooks;
};
