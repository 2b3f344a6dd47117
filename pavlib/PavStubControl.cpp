// The stand-in's control API, for tests and the demo host.
#include "StubHost.h"

#include <algorithm>
#include <cwchar>

namespace {

// Calls a callback of the plug-in as the host would: an exception escaping it ends as the
// no-callback result rather than unwinding through the host.
template <typename Fn>
int CallPlugin(Fn fn)
{
    return Guarded(PAVSTUB_NO_CALLBACK, fn);
}

} // namespace

extern "C" {

void PavStubReset(void)
{
    Guarded([] { TheStubHost().Reset(); });
}

int PavStubAddHole(int holeId, const HoleRecord* header, const SubHoleRecord* subHoles, int count)
{
    return Guarded(-1, [&] { return TheStubHost().drawing.AddHole(holeId, header, subHoles, count) ? 0 : -1; });
}

int PavStubSetHoleFault(int holeId, int faults)
{
    StubHole* hole = TheStubHost().drawing.FindHole(holeId);
    if (!hole)
        return -1;
    hole->faults = faults;
    return 0;
}

int PavStubGetHole(int holeId, HoleRecord* header, SubHoleRecord* subHoles, int capacity)
{
    const StubHole* hole = TheStubHost().drawing.FindHole(holeId);
    if (!hole)
        return -1;
    if (header)
        *header = hole->header;
    const int held = static_cast<int>(hole->subHoles.size());
    if (subHoles && capacity > 0)
        std::copy_n(hole->subHoles.begin(), std::min(held, capacity), subHoles);
    return held;
}

int PavStubGetHoleAmendCount(int holeId)
{
    const StubHole* hole = TheStubHost().drawing.FindHole(holeId);
    return hole ? hole->amends : -1;
}

int PavStubAddEntity(int32_t word0, int32_t word1, int holeId)
{
    return Guarded(-1, [&] { return TheStubHost().drawing.AddEntity(word0, word1, holeId); });
}

int PavStubPick(int entityIndex)
{
    return Guarded(-1, [&] { return TheStubHost().drawing.Pick(entityIndex) ? 0 : -1; });
}

void PavStubPickAll(void)
{
    Guarded([] { TheStubHost().drawing.PickAll(); });
}

void PavStubClearPick(void)
{
    TheStubHost().drawing.ClearPick();
}

void PavStubSetRegisterResult(int result)
{
    TheStubHost().registerResult = result;
}

int PavStubGetRegistration(PavStartCommandFn* start, PavSecondFn* second, PavThirdFn* third, void** a4)
{
    const StubHost& host = TheStubHost();
    if (start)
        *start = host.start;
    if (second)
        *second = host.second;
    if (third)
        *third = host.third;
    if (a4)
        *a4 = host.registrationArg;
    return host.registrations;
}

PavExecuteFn PavStubGetExecuteFunc(const wchar_t** text)
{
    const StubHost& host = TheStubHost();
    if (text)
        *text = host.execute ? host.executeText.c_str() : nullptr;
    return host.execute;
}

int PavStubCallStartCommand(void)
{
    PavStartCommandFn start = TheStubHost().start;
    return start ? CallPlugin([&] { return start(); }) : PAVSTUB_NO_CALLBACK;
}

int PavStubCallSecond(void)
{
    PavSecondFn second = TheStubHost().second;
    return second ? CallPlugin([&] { return second(); }) : PAVSTUB_NO_CALLBACK;
}

int PavStubCallThird(void)
{
    PavThirdFn third = TheStubHost().third;
    return third ? CallPlugin([&] { third(); return 0; }) : PAVSTUB_NO_CALLBACK;
}

int PavStubCallExecute(int event, void* a1, void* a2, void* a3)
{
    PavExecuteFn execute = TheStubHost().execute;
    return execute ? CallPlugin([&] { return execute(event, a1, a2, a3); }) : PAVSTUB_NO_CALLBACK;
}

int PavStubGetMessageCount(void)
{
    return static_cast<int>(TheStubHost().log.Messages().size());
}

int PavStubGetMessage(int index, wchar_t* text, int capacity)
{
    const auto& messages = TheStubHost().log.Messages();
    if (index < 0 || static_cast<size_t>(index) >= messages.size())
        return -1;
    const StubMessage& message = messages[static_cast<size_t>(index)];
    if (text && capacity > 0) {
        std::wcsncpy(text, message.text.c_str(), static_cast<size_t>(capacity - 1));
        text[capacity - 1] = L'\0';
    }
    return message.kind;
}

void PavStubSetCallLogging(int enabled)
{
    TheStubHost().log.SetLogging(enabled != 0);
}

int PavStubGetCallCount(void)
{
    return static_cast<int>(TheStubHost().log.Calls().size());
}

int PavStubGetCall(int index, PavStubCall* call)
{
    const auto& calls = TheStubHost().log.Calls();
    if (index < 0 || static_cast<size_t>(index) >= calls.size() || !call)
        return -1;
    *call = calls[static_cast<size_t>(index)];
    return 0;
}

void PavStubClearLogs(void)
{
    TheStubHost().log.Clear();
}

void PavStubGetStats(PavStubStats* stats)
{
    if (stats)
        *stats = TheStubHost().log.stats;
}

} // extern "C"
