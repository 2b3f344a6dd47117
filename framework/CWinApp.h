#pragma once
// The application object: one per module, registered with the module state current at its
// construction, so that AfxGetApp finds it while that state is current.
#include "AfxModuleState.h"
#include "CWinThread.h"

class CWinApp : public CWinThread
{
public:
    CWinApp();
    ~CWinApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    HINSTANCE m_hInstance = nullptr;

private:
    AFX_MODULE_STATE* m_pModuleState;  // the state this object registered with
};

// Initialises the framework for the module whose state is current: its instance and resource
// handles and its application object's. FALSE when there is no instance to work with.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
// Undoes AfxWinInit for the module whose state is current.
void AfxWinTerm();
