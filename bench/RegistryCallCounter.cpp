#include "RegistryCallCounter.h"

#include "ImportTable.h"

#include <cstring>

namespace {

bool g_counting = false;
long g_calls = 0;

void Count()
{
    if (g_counting)
        ++g_calls;
}

using OpenFn = LSTATUS(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY);
using CreateFn = LSTATUS(WINAPI*)(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, const SECURITY_ATTRIBUTES*, PHKEY,
                                  LPDWORD);
using QueryFn = LSTATUS(WINAPI*)(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
using SetFn = LSTATUS(WINAPI*)(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD);
using EnumFn = LSTATUS(WINAPI*)(HKEY, DWORD, LPWSTR, LPDWORD, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
using CloseFn = LSTATUS(WINAPI*)(HKEY);

OpenFn realOpen;
CreateFn realCreate;
QueryFn realQuery;
SetFn realSet;
EnumFn realEnum;
CloseFn realClose;

LSTATUS WINAPI CountingOpen(HKEY k, LPCWSTR p, DWORD o, REGSAM s, PHKEY r) { Count(); return realOpen(k, p, o, s, r); }
LSTATUS WINAPI CountingCreate(HKEY k, LPCWSTR p, DWORD r, LPWSTR c, DWORD o, REGSAM s, const SECURITY_ATTRIBUTES* a,
                              PHKEY h, LPDWORD d)
{
    Count();
    return realCreate(k, p, r, c, o, s, a, h, d);
}
LSTATUS WINAPI CountingQuery(HKEY k, LPCWSTR n, LPDWORD r, LPDWORD t, LPBYTE d, LPDWORD c)
{
    Count();
    return realQuery(k, n, r, t, d, c);
}
LSTATUS WINAPI CountingSet(HKEY k, LPCWSTR n, DWORD r, DWORD t, const BYTE* d, DWORD c)
{
    Count();
    return realSet(k, n, r, t, d, c);
}
LSTATUS WINAPI CountingEnum(HKEY k, DWORD i, LPWSTR n, LPDWORD nc, LPDWORD r, LPDWORD t, LPBYTE d, LPDWORD c)
{
    Count();
    return realEnum(k, i, n, nc, r, t, d, c);
}
LSTATUS WINAPI CountingClose(HKEY k) { Count(); return realClose(k); }

const ImportHook kHooks[] = {
    { "RegOpenKeyExW", reinterpret_cast<void*>(&CountingOpen), reinterpret_cast<void**>(&realOpen) },
    { "RegCreateKeyExW", reinterpret_cast<void*>(&CountingCreate), reinterpret_cast<void**>(&realCreate) },
    { "RegQueryValueExW", reinterpret_cast<void*>(&CountingQuery), reinterpret_cast<void**>(&realQuery) },
    { "RegSetValueExW", reinterpret_cast<void*>(&CountingSet), reinterpret_cast<void**>(&realSet) },
    { "RegEnumValueW", reinterpret_cast<void*>(&CountingEnum), reinterpret_cast<void**>(&realEnum) },
    { "RegCloseKey", reinterpret_cast<void*>(&CountingClose), reinterpret_cast<void**>(&realClose) },
};

} // namespace

RegistryCallCounter::RegistryCallCounter(HMODULE module) : m_hooks(module, kHooks)
{
    ForEachImport(module, [this](const char* name, void**) {
        if (std::strncmp(name, "Reg", 3) == 0 && std::strncmp(name, "Register", 8) != 0 && !m_hooks.Hooks(name))
            m_unwatched += (m_unwatched.empty() ? "" : ", ") + std::string(name);
    });
}

RegistryCallCounter::~RegistryCallCounter() = default;

void RegistryCallCounter::Start()
{
    g_calls = 0;
    g_counting = true;
}

long RegistryCallCounter::Stop()
{
    g_counting = false;
    return g_calls;
}
