#include "StubHost.h"

void StubHost::Reset()
{
    drawing.Clear();
    log.Clear();
    log.stats = PavStubStats{};
    log.SetLogging(true);
    registerResult = 1;
    registrations = 0;
    start = nullptr;
    second = nullptr;
    third = nullptr;
    registrationArg = nullptr;
    execute = nullptr;
    executeText.clear();
}

StubHost& TheStubHost()
{
    static StubHost host;
    return host;
}
