#pragma once
// The module's application object.
#include <afxwin.h>

class CRimtoneApp : public CWinApp
{
public:
    CRimtoneApp();
    ~CRimtoneApp() override;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CRimtoneApp theApp;
