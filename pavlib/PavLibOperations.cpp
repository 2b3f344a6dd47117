// The host operations of the stand-in PavLib.dll, over the in-memory drawing.
#include "StubHost.h"

namespace {

intptr_t Arg(const void* p) { return reinterpret_cast<intptr_t>(p); }

template <typename Fn>
intptr_t Arg(Fn* fn) { return reinterpret_cast<intptr_t>(fn); }

void PutMessage(const char* name, int kind, const wchar_t* text)
{
    StubHost& host = TheStubHost();
    PavStubCall& call = host.log.Begin(name, 1, Arg(text));
    host.log.SetText(call, text);
    host.log.AddMessage(kind, text);
}

} // namespace

extern "C" {

int PavCtlRegisterPavLib2(PavStartCommandFn start, PavSecondFn second, PavThirdFn third, void* a4)
{
    return Guarded(-1, [&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin("PavCtlRegisterPavLib2", 4, Arg(start), Arg(second), Arg(third), Arg(a4));
        host.start = start;
        host.second = second;
        host.third = third;
        host.registrationArg = a4;
        ++host.registrations;
        call.result = host.registerResult;
        return host.registerResult;
    });
}

void PavCtlSetExecuteFunc(PavExecuteFn exec, const wchar_t* text)
{
    Guarded([&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin("PavCtlSetExecuteFunc", 2, Arg(exec), Arg(text));
        host.log.SetText(call, text);
        host.execute = exec;
        host.executeText = text ? text : L"";
    });
}

void PavEvtSetEventMask(int mask)
{
    Guarded([&] { TheStubHost().log.Begin("PavEvtSetEventMask", 1, mask); });
}

void PavEvtSetObject(const void* pickFilter)
{
    Guarded([&] {
        StubLog& log = TheStubHost().log;
        log.SetBytes(log.Begin("PavEvtSetObject", 1, Arg(pickFilter)), pickFilter, sizeof(PickFilter));
    });
}

void PavIddClearSysIdData(void)
{
    Guarded([&] {
        StubHost& host = TheStubHost();
        host.log.Begin("PavIddClearSysIdData", 0);
        host.drawing.ClearPick();
    });
}

void* PavIddOpenSelIdData(int mode, void* a1, void* a2, void* a3)
{
    return Guarded<void*>(nullptr, [&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin("PavIddOpenSelIdData", 4, mode, Arg(a1), Arg(a2), Arg(a3));
        void* handle = host.drawing.OpenIterator();
        host.log.stats.openIterators = host.drawing.OpenIteratorCount();
        call.result = Arg(handle);
        return handle;
    });
}

static int NextSelIdData(const char* name, bool fromHead, void* handle, void* pickItem)
{
    return Guarded(-1, [&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin(name, 2, Arg(handle), Arg(pickItem));
        bool handleKnown = false;
        const int result = host.drawing.NextItem(handle, fromHead, pickItem, handleKnown) ? 0 : -1;
        if (!handleKnown)
            ++host.log.stats.badIteratorCalls;
        call.result = result;
        return result;
    });
}

int PavIddGetHeadSelIdData(void* handle, void* pickItem)
{
    return NextSelIdData("PavIddGetHeadSelIdData", true, handle, pickItem);
}

int PavIddGetNextSelIdData(void* handle, void* pickItem)
{
    return NextSelIdData("PavIddGetNextSelIdData", false, handle, pickItem);
}

void PavIddCloseSelIdData(void* handle)
{
    Guarded([&] {
        StubHost& host = TheStubHost();
        host.log.Begin("PavIddCloseSelIdData", 1, Arg(handle));
        if (!host.drawing.CloseIterator(handle))
            ++host.log.stats.badIteratorCalls;
        host.log.stats.openIterators = host.drawing.OpenIteratorCount();
    });
}

int PavHolGetHoleId(const void* holeKey)
{
    return Guarded(-1, [&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin("PavHolGetHoleId", 1, Arg(holeKey));
        host.log.SetBytes(call, holeKey, sizeof(HoleKey));
        const int holeId = holeKey ? host.drawing.HoleIdOfKey(*static_cast<const HoleKey*>(holeKey)) : -1;
        call.result = holeId;
        return holeId;
    });
}

int PavHolGetHoleData2(int holeId, void* holeRecord)
{
    return Guarded(-1, [&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin("PavHolGetHoleData2", 2, holeId, Arg(holeRecord));
        int result = -1;
        if (holeRecord && host.drawing.ReadHole(holeId, *static_cast<HoleRecord*>(holeRecord))) {
            result = 0;
            ++host.log.stats.holeReads;
        }
        host.log.stats.outstandingRecords = host.drawing.OutstandingCount();
        call.result = result;
        return result;
    });
}

int PavHolAmendHoleData2(int holeId, void* holeRecord)
{
    return Guarded(-1, [&] {
        StubHost& host = TheStubHost();
        PavStubCall& call = host.log.Begin("PavHolAmendHoleData2", 2, holeId, Arg(holeRecord));
        int result = -1;
        if (holeRecord && host.drawing.AmendHole(holeId, *static_cast<const HoleRecord*>(holeRecord))) {
            result = 0;
            ++host.log.stats.holeAmends;
        } else {
            ++host.log.stats.badAmends;
        }
        call.result = result;
        return result;
    });
}

void PavHolFreeHoleData2(void* holeRecord)
{
    Guarded([&] {
        StubHost& host = TheStubHost();
        host.log.Begin("PavHolFreeHoleData2", 1, Arg(holeRecord));
        if (holeRecord && host.drawing.FreeRecord(*static_cast<const HoleRecord*>(holeRecord)))
            ++host.log.stats.holeFrees;
        else
            ++host.log.stats.badFrees;
        host.log.stats.outstandingRecords = host.drawing.OutstandingCount();
    });
}

void PavMsgPutCursorMessage(const wchar_t* text)
{
    Guarded([&] { PutMessage("PavMsgPutCursorMessage", PAVSTUB_MSG_CURSOR, text); });
}

void PavMsgPutMessage(const wchar_t* text)
{
    Guarded([&] { PutMessage("PavMsgPutMessage", PAVSTUB_MSG_PROMPT, text); });
}

void PavMsgPutErrorMessage(const wchar_t* text)
{
    Guarded([&] { PutMessage("PavMsgPutErrorMessage", PAVSTUB_MSG_ERROR, text); });
}

} // extern "C"
