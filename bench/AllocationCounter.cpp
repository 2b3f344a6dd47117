#include "AllocationCounter.h"

#include <cstring>

namespace {

bool g_counting = false;
long g_allocations = 0;

void Count()
{
    if (g_counting)
        ++g_allocations;
}

using MallocFn = void*(__cdecl*)(size_t);
using CallocFn = void*(__cdecl*)(size_t, size_t);
using ReallocFn = void*(__cdecl*)(void*, size_t);
using HeapAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, SIZE_T);
using HeapReAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, LPVOID, SIZE_T);
using LocalAllocFn = HLOCAL(WINAPI*)(UINT, SIZE_T);
using GlobalAllocFn = HGLOBAL(WINAPI*)(UINT, SIZE_T);

MallocFn realMalloc;
CallocFn realCalloc;
ReallocFn realRealloc;
HeapAllocFn realHeapAlloc;
HeapReAllocFn realHeapReAlloc;
LocalAllocFn realLocalAlloc;
GlobalAllocFn realGlobalAlloc;

void* __cdecl CountingMalloc(size_t n) { Count(); return realMalloc(n); }
void* __cdecl CountingCalloc(size_t n, size_t s) { Count(); return realCalloc(n, s); }
void* __cdecl CountingRealloc(void* p, size_t n) { Count(); return realRealloc(p, n); }
LPVOID WINAPI CountingHeapAlloc(HANDLE h, DWORD f, SIZE_T n) { Count(); return realHeapAlloc(h, f, n); }
LPVOID WINAPI CountingHeapReAlloc(HANDLE h, DWORD f, LPVOID p, SIZE_T n) { Count(); return realHeapReAlloc(h, f, p, n); }
HLOCAL WINAPI CountingLocalAlloc(UINT f, SIZE_T n) { Count(); return realLocalAlloc(f, n); }
HGLOBAL WINAPI CountingGlobalAlloc(UINT f, SIZE_T n) { Count(); return realGlobalAlloc(f, n); }

struct Hook
{
    const char* name;
    void* replacement;
    void** original;
};

const Hook kHooks[] = {
    { "malloc", reinterpret_cast<void*>(&CountingMalloc), reinterpret_cast<void**>(&realMalloc) },
    { "calloc", reinterpret_cast<void*>(&CountingCalloc), reinterpret_cast<void**>(&realCalloc) },
    { "realloc", reinterpret_cast<void*>(&CountingRealloc), reinterpret_cast<void**>(&realRealloc) },
    { "HeapAlloc", reinterpret_cast<void*>(&CountingHeapAlloc), reinterpret_cast<void**>(&realHeapAlloc) },
    { "HeapReAlloc", reinterpret_cast<void*>(&CountingHeapReAlloc), reinterpret_cast<void**>(&realHeapReAlloc) },
    { "LocalAlloc", reinterpret_cast<void*>(&CountingLocalAlloc), reinterpret_cast<void**>(&realLocalAlloc) },
    { "GlobalAlloc", reinterpret_cast<void*>(&CountingGlobalAlloc), reinterpret_cast<void**>(&realGlobalAlloc) },
};

// Swaps one import address table slot, returning the address it held.
void* SwapSlot(void** slot, void* value)
{
    DWORD oldProtect = 0;
    ::VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtect);
    void* previous = *slot;
    *slot = value;
    ::VirtualProtect(slot, sizeof(void*), oldProtect, &oldProtect);
    return previous;
}

// Calls visit(name, slot) for every import by name of the module.
template <typename Visit>
void ForEachImport(HMODULE module, Visit visit)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress)
        return;
    for (auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); desc->Name; ++desc) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            visit(reinterpret_cast<const char*>(byName->Name), reinterpret_cast<void**>(&slots->u1.Function));
        }
    }
}

} // namespace

AllocationCounter::AllocationCounter(HMODULE module) : m_module(module)
{
    ForEachImport(m_module, [this](const char* name, void** slot) {
        for (const Hook& hook : kHooks) {
            if (std::strcmp(name, hook.name) == 0) {
                *hook.original = SwapSlot(slot, hook.replacement);
                ++m_patched;
            }
        }
    });
}

AllocationCounter::~AllocationCounter()
{
    ForEachImport(m_module, [](const char*, void** slot) {
        for (const Hook& hook : kHooks) {
            if (*slot == hook.replacement)
                SwapSlot(slot, *hook.original);
        }
    });
}

void AllocationCounter::Start()
{
    g_allocations = 0;
    g_counting = true;
}

long AllocationCounter::Stop()
{
    g_counting = false;
    return g_allocations;
}
