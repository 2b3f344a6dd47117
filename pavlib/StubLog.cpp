#include "StubLog.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

void StubLog::Clear()
{
    m_calls.clear();
    m_messages.clear();
}

PavStubCall& StubLog::Begin(const char* name, int argCount, intptr_t a0, intptr_t a1, intptr_t a2, intptr_t a3)
{
    ++stats.operationCalls;
    PavStubCall* call = &m_scratch;
    if (m_logging) {
        m_calls.emplace_back();
        call = &m_calls.back();
    }
    *call = PavStubCall{};
    std::strncpy(call->name, name, sizeof call->name - 1);
    call->argCount = argCount;
    call->args[0] = a0;
    call->args[1] = a1;
    call->args[2] = a2;
    call->args[3] = a3;
    return *call;
}

void StubLog::SetBytes(PavStubCall& call, const void* data, int byteCount)
{
    if (!data)
        return;
    call.byteCount = std::min(byteCount, static_cast<int>(sizeof call.bytes));
    std::memcpy(call.bytes, data, static_cast<size_t>(call.byteCount));
}

void StubLog::SetText(PavStubCall& call, const wchar_t* text)
{
    if (!text)
        return;
    std::wcsncpy(call.text, text, sizeof call.text / sizeof call.text[0] - 1);
}

void StubLog::AddMessage(int kind, const wchar_t* text)
{
    m_messages.push_back({ kind, text ? text : L"" });
}
