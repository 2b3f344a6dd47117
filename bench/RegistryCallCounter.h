#pragma once
// Counts the registry calls a loaded module makes, by redirecting the registry functions in its
// import table to counting forwarders while a measurement runs.
#include "ImportTable.h"

#include <string>

class RegistryCallCounter
{
public:
    // Patches the module's imports of the registry functions the settings store uses.
    explicit RegistryCallCounter(HMODULE module);
    ~RegistryCallCounter();

    // Registry functions the module imports that no forwarder watches, comma-separated; empty when
    // every call is counted.
    const std::string& Unwatched() const { return m_unwatched; }
    void Start();
    // Calls seen since Start.
    long Stop();

private:
    ImportHooks m_hooks;
    std::string m_unwatched;
};
