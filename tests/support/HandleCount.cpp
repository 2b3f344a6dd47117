#include "HandleCount.h"

#include <windows.h>

#include <vector>

namespace {

constexpr ULONG kSystemExtendedHandleInformation = 0x40;
constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry
{
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handleValue;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG handleAttributes;
    ULONG reserved;
};

struct HandleInformation
{
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

} // namespace

std::size_t CountProcessHandles()
{
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return 0;

    std::vector<BYTE> buffer(1 << 20);
    LONG status;
    ULONG needed = 0;
    while ((status = query(kSystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                           &needed)) == kStatusInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status < 0)
        return 0;

    const auto* info = reinterpret_cast<const HandleInformation*>(buffer.data());
    const ULONG_PTR self = ::GetCurrentProcessId();
    std::size_t count = 0;
    for (ULONG_PTR i = 0; i < info->count; ++i) {
        if (info->entries[i].processId == self)
            ++count;
    }
    return count;
}
