#include "AfxModuleState.h"

#include <algorithm>
#include <vector>

namespace {

// The executable's own state: its instance is the process image.
class AppModuleState : public AFX_MODULE_STATE
{
public:
    AppModuleState()
    {
        m_hCurrentInstanceHandle = ::GetModuleHandleW(nullptr);
        m_hCurrentResourceHandle = m_hCurrentInstanceHandle;
    }
};

AppModuleState& ProcessState()
{
    static AppModuleState state;
    return state;
}

// All framework calls come from the host's user-interface thread, so one pointer suffices.
AFX_MODULE_STATE* g_pCurrentState = nullptr;

std::vector<HINSTANCE>& ResourceChain()
{
    static std::vector<HINSTANCE> chain;
    return chain;
}

} // namespace

AFX_MODULE_STATE* AfxGetModuleState()
{
    return g_pCurrentState ? g_pCurrentState : &ProcessState();
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState)
{
    AFX_MODULE_STATE* previous = g_pCurrentState;
    g_pCurrentState = pNewState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

CWinApp* AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

void AfxAddResourceLibrary(HINSTANCE hModule)
{
    auto& chain = ResourceChain();
    if (std::find(chain.begin(), chain.end(), hModule) == chain.end())
        chain.push_back(hModule);
}

void AfxRemoveResourceLibrary(HINSTANCE hModule)
{
    auto& chain = ResourceChain();
    chain.erase(std::remove(chain.begin(), chain.end(), hModule), chain.end());
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    HINSTANCE own = AfxGetResourceHandle();
    if (own && ::FindResourceW(own, lpszName, lpszType))
        return own;
    for (HINSTANCE library : ResourceChain()) {
        if (::FindResourceW(library, lpszName, lpszType))
            return library;
    }
    return own;
}
