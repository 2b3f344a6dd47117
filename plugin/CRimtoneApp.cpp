#include "CRimtoneApp.h"

BEGIN_MESSAGE_MAP(CRimtoneApp, CWinApp)
END_MESSAGE_MAP()

CRimtoneApp::CRimtoneApp() = default;

CRimtoneApp::~CRimtoneApp() = default;

BOOL CRimtoneApp::InitInstance()
{
    CWinApp::InitInstance();
    return TRUE;
}

CRimtoneApp theApp;
