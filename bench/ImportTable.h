#pragma once
// A loaded module's import address table, for watching the calls it makes to other modules: every
// import by name, and a slot swapped for a forwarder of our own.
#include <windows.h>

#include <functional>

// Calls visit(name, slot) for every import by name of the module.
void ForEachImport(HMODULE module, const std::function<void(const char* name, void** slot)>& visit);

// Swaps one slot, returning the address it held.
void* SwapImportSlot(void** slot, void* value);
