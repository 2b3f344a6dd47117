#include "ImportTable.h"

#include <cstring>

namespace {

// Swaps one slot, returning the address it held.
void* SwapImportSlot(void** slot, void* value)
{
    DWORD oldProtect = 0;
    ::VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtect);
    void* previous = *slot;
    *slot = value;
    ::VirtualProtect(slot, sizeof(void*), oldProtect, &oldProtect);
    return previous;
}

} // namespace

void ForEachImport(HMODULE module, const std::function<void(const char* name, void** slot)>& visit)
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

ImportHooks::ImportHooks(HMODULE module, const ImportHook* hooks, size_t count)
    : m_module(module), m_hooks(hooks), m_count(count)
{
    ForEachImport(m_module, [this](const char* name, void** slot) {
        for (size_t i = 0; i < m_count; ++i) {
            if (std::strcmp(name, m_hooks[i].name) == 0) {
                *m_hooks[i].original = SwapImportSlot(slot, m_hooks[i].replacement);
                ++m_patched;
            }
        }
    });
}

ImportHooks::~ImportHooks()
{
    ForEachImport(m_module, [this](const char*, void** slot) {
        for (size_t i = 0; i < m_count; ++i) {
            if (*slot == m_hooks[i].replacement)
                SwapImportSlot(slot, *m_hooks[i].original);
        }
    });
}

bool ImportHooks::Hooks(const char* name) const
{
    for (size_t i = 0; i < m_count; ++i) {
        if (std::strcmp(name, m_hooks[i].name) == 0)
            return true;
    }
    return false;
}
