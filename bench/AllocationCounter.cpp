#include "AllocationCounter.h"

#include "ImportTable.h"

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

const ImportHook kHooks[] = {
    { "malloc", reinterpret_cast<void*>(&CountingMalloc), reinterpret_cast<void**>(&realMalloc) },
    { "calloc", reinterpret_cast<void*>(&CountingCalloc), reinterpret_cast<void**>(&realCalloc) },
    { "realloc", reinterpret_cast<void*>(&CountingRealloc), reinterpret_cast<void**>(&realRealloc) },
    { "HeapAlloc", reinterpret_cast<void*>(&CountingHeapAlloc), reinterpret_cast<void**>(&realHeapAlloc) },
    { "HeapReAlloc", reinterpret_cast<void*>(&CountingHeapReAlloc), reinterpret_cast<void**>(&realHeapReAlloc) },
    { "LocalAlloc", reinterpret_cast<void*>(&CountingLocalAlloc), reinterpret_cast<void**>(&realLocalAlloc) },
    { "GlobalAlloc", reinterpret_cast<void*>(&CountingGlobalAlloc), reinterpret_cast<void**>(&realGlobalAlloc) },
};

} // namespace

AllocationCounter::AllocationCounter(HMODULE module) : m_hooks(module, kHooks)
{
}

AllocationCounter::~AllocationCounter() = default;

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
