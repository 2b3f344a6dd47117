#pragma once
// A thread of the framework, the base of the application object.
#include "CCmdTarget.h"

class CWinThread : public CCmdTarget
{
public:
    CWinThread() = default;
    ~CWinThread() override = default;

    // Per-instance start-up; a thread that overrides nothing refuses to start.
    virtual BOOL InitInstance();
    // Per-instance clean-up; the result is the exit code.
    virtual int ExitInstance();
};
