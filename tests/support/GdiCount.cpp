#include "GdiCount.h"

#include <windows.h>
#include <winternl.h>

namespace {

// Wine's GDI handle table, reached from the PEB: 24-byte entries, a non-zero type byte in use.
constexpr std::size_t kPebGdiTableOffset = 0xF8;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kTypeOffset = 14;
constexpr std::size_t kEntryCount = 0x10000;

bool RunningUnderWine()
{
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::size_t CountWineGdiTable()
{
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) < 0)
        return 0;
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + kPebGdiTableOffset);
    if (!table)
        return 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        if (table[i * kEntrySize + kTypeOffset] != 0)
            ++count;
    }
    return count;
}

} // namespace

std::size_t CountGdiObjects()
{
    if (RunningUnderWine())
        return CountWineGdiTable();
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}
