#pragma once
// The one stand-in host of the process: its drawing, its log, the plug-in's callbacks.
#include "StubDrawing.h"
#include "StubLog.h"

#include <string>

struct StubHost
{
    StubDrawing drawing;
    StubLog log;
    int registerResult = 1;
    int registrations = 0;
    PavStartCommandFn start = nullptr;
    PavSecondFn second = nullptr;
    PavThirdFn third = nullptr;
    void* registrationArg = nullptr;
    PavExecuteFn execute = nullptr;
    std::wstring executeText;

    void Reset();
};

StubHost& TheStubHost();

// Runs an exported operation, turning any exception into the given fallback result, since
// nothing may cross the DLL boundary as an exception.
template <typename Result, typename Fn>
Result Guarded(Result fallback, Fn fn)
{
    try {
        return fn();
    } catch (...) {
        return fallback;
    }
}

template <typename Fn>
void Guarded(Fn fn)
{
    try {
        fn();
    } catch (...) {
    }
}
