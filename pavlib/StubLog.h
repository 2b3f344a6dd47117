#pragma once
// What the plug-in asked of the stand-in host: every operation with its arguments and result, the
// messages it put, and counters kept even when call logging is off.
#include "PavStub.h"

#include <string>
#include <vector>

struct StubMessage
{
    int kind;
    std::wstring text;
};

class StubLog
{
public:
    void Clear();

    // Starts the log entry of one operation; the returned entry stays valid until the next call.
    PavStubCall& Begin(const char* name, int argCount, intptr_t a0 = 0, intptr_t a1 = 0, intptr_t a2 = 0, intptr_t a3 = 0);
    void SetBytes(PavStubCall& call, const void* data, int byteCount);
    void SetText(PavStubCall& call, const wchar_t* text);
    void AddMessage(int kind, const wchar_t* text);

    void SetLogging(bool enabled) { m_logging = enabled; }
    const std::vector<PavStubCall>& Calls() const { return m_calls; }
    const std::vector<StubMessage>& Messages() const { return m_messages; }

    PavStubStats stats = {};

private:
    bool m_logging = true;
    std::vector<PavStubCall> m_calls;
    PavStubCall m_scratch = {};  // receives entries while logging is off
    std::vector<StubMessage> m_messages;
};
