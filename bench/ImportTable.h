#pragma once
// A loaded module's import address table, for watching the calls it makes to other modules: every
// import by name, and imports redirected to forwarders of our own while an object lives.
#include <windows.h>

#include <cstddef>
#include <functional>

// Calls visit(name, slot) for every import by name of the module.
void ForEachImport(HMODULE module, const std::function<void(const char* name, void** slot)>& visit);

// One import to redirect: its name, the forwarder called instead, and where the forwarder finds the
// function it forwards to.
struct ImportHook
{
    const char* name;
    void* replacement;
    void** original;
};

// Redirects the module's imports named in the hooks, and puts them back when it goes.
class ImportHooks
{
public:
    template <size_t N>
    ImportHooks(HMODULE module, const ImportHook (&hooks)[N]) : ImportHooks(module, hooks, N)
    {
    }
    ImportHooks(HMODULE module, const ImportHook* hooks, size_t count);
    ~ImportHooks();
    ImportHooks(const ImportHooks&) = delete;
    ImportHooks& operator=(const ImportHooks&) = delete;

    // How many of the module's imports were redirected.
    int Patched() const { return m_patched; }
    // Whether the hooks name the import.
    bool Hooks(const char* name) const;

private:
    HMODULE m_module;
    const ImportHook* m_hooks;
    size_t m_count;
    int m_patched = 0;
};
