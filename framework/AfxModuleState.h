#pragma once
// Module state: which module's instance and resources the framework works with at the moment.
// A DLL of the framework makes its own state current around everything it does for its host.
#include "AfxWindows.h"

class CWinApp;

class AFX_MODULE_STATE
{
public:
    AFX_MODULE_STATE() = default;
    virtual ~AFX_MODULE_STATE() = default;
    AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
    AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

    CWinApp* m_pCurrentWinApp = nullptr;
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
};

// The state a DLL of the framework owns for itself.
class _AFX_DLL_MODULE_STATE : public AFX_MODULE_STATE
{
};

// The current state; the process's own state when no module has made its state current.
AFX_MODULE_STATE* AfxGetModuleState();
// Makes pNewState current (null: the process's own) and returns the state it replaces.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState);

// Keeps a module state current for the lifetime of the object, then restores the previous one.
class AFX_MAINTAIN_STATE2
{
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState) : m_pPrevState(AfxSetModuleState(pNewState)) {}
    ~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevState); }
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWinApp* AfxGetApp();

// Resource libraries searched after the current module's own resources, in the order added.
void AfxAddResourceLibrary(HINSTANCE hModule);
void AfxRemoveResourceLibrary(HINSTANCE hModule);
// The module that holds the resource: the current module's resources first, then the chain.
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
