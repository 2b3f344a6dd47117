#include "ModuleHold.h"

namespace {

// Constant-initialised: there from before the module's first line of code to its unmapping.
ModuleHold s_hold;

} // namespace

ModuleHold& ModuleHold::OfThisModule()
{
    return s_hold;
}

bool ModuleHold::ObjectCreated()
{
    // One more reference to the module that holds this code, while none is held.
    if (!m_module
        && !::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(this), &m_module)) {
        m_module = nullptr;
        return false;
    }
    ::InterlockedExchange(&m_hostThread, static_cast<LONG>(::GetCurrentThreadId()));
    ::InterlockedIncrement(&m_liveObjects);
    return true;
}

void ModuleHold::GiveBackIfUnused()
{
    // Only this thread makes objects, so none can come between the look and the release. An
    // object gone elsewhere counts there before it leaves the live count.
    if (!m_module || ::InterlockedCompareExchange(&m_liveObjects, 0, 0) != 0)
        return;
    if (::InterlockedExchange(&m_goneElsewhere, 0) != 0)
        return;
    HMODULE module = m_module;
    m_module = nullptr;
    ::FreeLibrary(module);
}
