// Start-up and shut-down of a DLL built on the framework: the DLL's entry point and the module
// state that its static initialisation and its process attach run under. Linked into a DLL only
// (the build makes AfxDllEntryPoint the entry point, which pulls it in); module code defines just its
// application object.
#include "AfxStaticModuleState.h"
#include "CWinApp.h"

#if defined(_MSC_VER)
#define AFX_CRT_DLL_STARTUP _DllMainCRTStartup
#else
#define AFX_CRT_DLL_STARTUP DllMainCRTStartup
#endif

// The C runtime's own entry point: runs the module's static initialisation, then DllMain.
extern "C" BOOL WINAPI AFX_CRT_DLL_STARTUP(HANDLE hDllHandle, DWORD dwReason, LPVOID lpReserved);

#if defined(__GLIBCXX__)
// GCC's C++ library, linked statically, allocates its emergency exception pool while the module's
// static objects are made and frees it only when asked (__freeres): unasked, each unload leaves
// it behind.
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

#if defined(_MSC_VER)
#pragma warning(disable : 4073)
#pragma init_seg(lib)
#define AFX_INIT_FIRST
#elif defined(__GNUC__)
#define AFX_INIT_FIRST __attribute__((init_priority(101)))
#else
#define AFX_INIT_FIRST
#endif

namespace {

// Made before the module's own static objects: the module's state becomes current so that the
// application object registers with it, and stays current until process attach is done.
class DllLoadState
{
public:
    DllLoadState() : m_pPrevState(AfxSetModuleState(AfxGetStaticModuleState())) {}
    DllLoadState(const DllLoadState&) = delete;
    DllLoadState& operator=(const DllLoadState&) = delete;

    // Gives back the state that was current before the module was loaded.
    void Restore() { AfxSetModuleState(m_pPrevState); }

private:
    AFX_MODULE_STATE* m_pPrevState;
};

DllLoadState afxDllLoadState AFX_INIT_FIRST;
bool afxDllInitialised = false;

BOOL ProcessAttach(HINSTANCE hInstance)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (!AfxWinInit(hInstance, nullptr, const_cast<LPWSTR>(L""), 0))
        return FALSE;
    CWinApp* app = AfxGetApp();
    if (app && !app->InitInstance()) {
        app->ExitInstance();
        AfxWinTerm();
        return FALSE;
    }
    AfxAddResourceLibrary(hInstance);
    afxDllInitialised = true;
    return TRUE;
}

void ProcessDetach(HINSTANCE hInstance)
{
    if (!afxDllInitialised)
        return;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (CWinApp* app = AfxGetApp())
        app->ExitInstance();
    AfxRemoveResourceLibrary(hInstance);
    AfxWinTerm();
    afxDllInitialised = false;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    try {
        switch (dwReason) {
        case DLL_PROCESS_ATTACH: {
            const BOOL ok = ProcessAttach(hInstance);
            afxDllLoadState.Restore();
            return ok;
        }
        case DLL_PROCESS_DETACH:
            ProcessDetach(hInstance);
            break;
        default:
            break;
        }
        return TRUE;
    } catch (...) {
        afxDllLoadState.Restore();
        return FALSE;
    }
}

// The DLL's entry point: the C runtime's, with nothing it throws (a static object's constructor
// included, which runs before DllMain) let through to the loader and so into the host.
extern "C" BOOL WINAPI AfxDllEntryPoint(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    try {
        const BOOL result = AFX_CRT_DLL_STARTUP(hInstance, dwReason, lpReserved);
#if defined(__GLIBCXX__)
        // After every static destructor of the module, when it is unloaded (at process exit the
        // memory goes with the process): nothing of it can throw any more.
        if (dwReason == DLL_PROCESS_DETACH && !lpReserved)
            __gnu_cxx::__freeres();
#endif
        return result;
    } catch (...) {
        afxDllLoadState.Restore();
        return FALSE;
    }
}
