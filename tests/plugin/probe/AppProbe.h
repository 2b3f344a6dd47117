#pragma once
// What the probe DLL reports, shared with its resource script and with the test that loads it,
// which use no framework; the probe's own source includes the framework before this header.
#include <windows.h>

// An RCDATA resource that only the probe DLL holds.
#define ProbeResourceId 4242

struct ProbeReport
{
    int initInstanceCalls;
    int appWasCurrent;               // AfxGetApp() was the probe's application in InitInstance
    HINSTANCE instanceDuringInit;    // AfxGetInstanceHandle() in InitInstance
    HINSTANCE resourceDuringInit;    // AfxGetResourceHandle() in InitInstance
    int stateRestoredAfterLoad;      // the module's state is no longer current once loaded
    HINSTANCE foundThroughChain;     // AfxFindResourceHandle of the probe's resource, outside its state
};

typedef void (*ProbeGetReportFn)(ProbeReport* report);
