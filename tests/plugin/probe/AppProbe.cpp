// A framework DLL that reports what its start-up did, for the tests of the DLL start-up.
#include <afxwin.h>

#include "AppProbe.h"

namespace {

ProbeReport s_report;

class CProbeApp : public CWinApp
{
public:
    // Static initialisation that throws, as a module's could.
    CProbeApp()
    {
        wchar_t value[8];
        if (::GetEnvironmentVariableW(L"RIMTONE_PROBE_THROW_AT_LOAD", value, 8) != 0)
            throw 1;
    }

    BOOL InitInstance() override
    {
        ++s_report.initInstanceCalls;
        s_report.appWasCurrent = AfxGetApp() == this;
        s_report.instanceDuringInit = AfxGetInstanceHandle();
        s_report.resourceDuringInit = AfxGetResourceHandle();
        CWinApp::InitInstance();
        wchar_t refuse[8];
        return ::GetEnvironmentVariableW(L"RIMTONE_PROBE_REFUSE_INIT", refuse, 8) == 0;
    }
};

CProbeApp theApp;

} // namespace

extern "C" void ProbeGetReport(ProbeReport* report)
{
    s_report.stateRestoredAfterLoad = AfxGetModuleState() != AfxGetStaticModuleState();
    s_report.foundThroughChain = AfxFindResourceHandle(MAKEINTRESOURCEW(ProbeResourceId), MAKEINTRESOURCEW(10));
    *report = s_report;
}
