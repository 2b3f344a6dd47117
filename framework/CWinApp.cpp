#include "CWinApp.h"

CWinApp::CWinApp() : m_pModuleState(AfxGetModuleState())
{
    m_pModuleState->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp()
{
    if (m_pModuleState->m_pCurrentWinApp == this)
        m_pModuleState->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    if (!hInstance)
        return FALSE;
    AFX_MODULE_STATE* state = AfxGetModuleState();
    state->m_hCurrentInstanceHandle = hInstance;
    state->m_hCurrentResourceHandle = hInstance;
    if (CWinApp* app = state->m_pCurrentWinApp)
        app->m_hInstance = hInstance;
    return TRUE;
}

void AfxWinTerm()
{
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (CWinApp* app = state->m_pCurrentWinApp)
        app->m_hInstance = nullptr;
}
