#pragma once
/*
 * Control API of the stand-in PavLib.dll: builds the in-memory drawing, picks entities, injects
 * faults, reads back holes, messages and the call log, and drives the callbacks a plug-in has
 * registered, so that tests and the demo host can play the CAD host's part.
 * Single-threaded, like the host's user-interface thread.
 */
#include "PavLib.h"

#if defined(PAVLIB_EXPORTS)
#define PAVSTUB_API
#else
#define PAVSTUB_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Bytes the selection iterator writes into each PickItem buffer: the two words, then filler
   (0xA5), as a host that writes more than 8 bytes would. */
#define PAVSTUB_PICKITEM_BYTES_WRITTEN 32

/* Returned by the PavStubCall... functions when the plug-in has not handed over that callback. */
#define PAVSTUB_NO_CALLBACK ((int)0x80000000)

/* Hole faults, combined with |. */
#define PAVSTUB_FAULT_UNREADABLE    1  /* PavHolGetHoleData2 returns -1 for the hole */
#define PAVSTUB_FAULT_NULL_SUBHOLES 2  /* the record read has subHoles null, the count as stored */

/* Message kinds. */
#define PAVSTUB_MSG_CURSOR 1  /* PavMsgPutCursorMessage */
#define PAVSTUB_MSG_PROMPT 2  /* PavMsgPutMessage */
#define PAVSTUB_MSG_ERROR  3  /* PavMsgPutErrorMessage */

/* Empties the drawing, the pick, the logs, the faults, the callbacks and the counters; the
   registration result goes back to 1 and call logging is switched on. Outstanding sub-hole arrays
   are released. */
PAVSTUB_API void PavStubReset(void);

/* Adds a hole under holeId (not -1, not already present). Its host data is taken from header's
   hostData1/hostData2 (header may be null: zeros); subHoleCount is stored as count, and when count
   is positive the count records are copied from subHoles. Returns 0, or -1 on a bad argument. */
PAVSTUB_API int PavStubAddHole(int holeId, const HoleRecord* header, const SubHoleRecord* subHoles, int count);

/* Sets the faults of a hole (PAVSTUB_FAULT_...); 0 clears them. Returns 0, or -1 for no such hole. */
PAVSTUB_API int PavStubSetHoleFault(int holeId, int faults);

/* Copies the hole as the drawing holds it now (header's subHoles is set null) and up to capacity
   sub-hole records. Returns the number of sub-hole records held, or -1 for no such hole. */
PAVSTUB_API int PavStubGetHole(int holeId, HoleRecord* header, SubHoleRecord* subHoles, int capacity);

/* Number of amends of the hole accepted since it was added, which tells the holes a pass reached
   from those it did not; -1 for no such hole. */
PAVSTUB_API int PavStubGetHoleAmendCount(int holeId);

/* Adds a drawing entity whose PickItem carries word0, word1 and whose hole id is holeId (-1: an
   entity without a hole id). PavHolGetHoleId finds it from the swapped HoleKey. Returns its index. */
PAVSTUB_API int PavStubAddEntity(int32_t word0, int32_t word1, int holeId);

/* Appends the entity of that index to the pick (-1 for no such entity, else 0); PickAll picks every
   entity in the order added, as Ctrl+A does; ClearPick empties the pick. PavIddClearSysIdData
   empties it too. */
PAVSTUB_API int PavStubPick(int entityIndex);
PAVSTUB_API void PavStubPickAll(void);
PAVSTUB_API void PavStubClearPick(void);

/* What PavCtlRegisterPavLib2 returns from now on (1 after a reset). */
PAVSTUB_API void PavStubSetRegisterResult(int result);

/* The callbacks and fourth argument of the last registration, and the execute callback and text of
   the last PavCtlSetExecuteFunc; null where none. Any out-pointer may be null. Returns the number
   of registrations so far. */
PAVSTUB_API int PavStubGetRegistration(PavStartCommandFn* start, PavSecondFn* second, PavThirdFn* third, void** a4);
PAVSTUB_API PavExecuteFn PavStubGetExecuteFunc(const wchar_t** text);

/* Calls the plug-in's callbacks as the host would; each returns the callback's result, or
   PAVSTUB_NO_CALLBACK when there is none (the third callback's result is 0). */
PAVSTUB_API int PavStubCallStartCommand(void);
PAVSTUB_API int PavStubCallSecond(void);
PAVSTUB_API int PavStubCallThird(void);
PAVSTUB_API int PavStubCallExecute(int event, void* a1, void* a2, void* a3);

/* Messages the plug-in has put, in order. GetMessage copies the text (truncated, terminated) and
   returns its kind, or -1 when out of range. */
PAVSTUB_API int PavStubGetMessageCount(void);
PAVSTUB_API int PavStubGetMessage(int index, wchar_t* text, int capacity);

/* One call of a PavLib operation by the plug-in. */
typedef struct PavStubCall {
    char name[32];            /* the operation, e.g. "PavHolGetHoleId" */
    int argCount;
    intptr_t args[4];         /* the arguments in order; pointers as their addresses */
    intptr_t result;          /* what the operation returned (0 for void) */
    int byteCount;            /* bytes copied from a record argument: PickFilter 16, HoleKey 8 */
    unsigned char bytes[16];
    wchar_t text[128];        /* a text argument, truncated and terminated; empty otherwise */
} PavStubCall;

/* Call logging on (1) or off (0); off for large drawings, where only the counters are kept. */
PAVSTUB_API void PavStubSetCallLogging(int enabled);
PAVSTUB_API int PavStubGetCallCount(void);
/* Copies the index-th call; 0, or -1 when out of range. */
PAVSTUB_API int PavStubGetCall(int index, PavStubCall* call);
/* Empties the call log and the message log, keeping the drawing and the callbacks. */
PAVSTUB_API void PavStubClearLogs(void);

/* Counters kept whether or not calls are logged. */
typedef struct PavStubStats {
    int holeReads;            /* successful PavHolGetHoleData2 */
    int holeAmends;           /* PavHolAmendHoleData2 of a known hole */
    int holeFrees;            /* PavHolFreeHoleData2 of an outstanding record */
    int outstandingRecords;   /* read and not yet freed */
    int badFrees;             /* frees of a record not outstanding: double or foreign */
    int badAmends;            /* amends of an unknown hole id or with a sub-hole array not handed out for it */
    int openIterators;        /* opened and not yet closed */
    int badIteratorCalls;     /* head, next or close with a handle not open */
    int operationCalls;       /* every PavLib operation the plug-in called */
} PavStubStats;
PAVSTUB_API void PavStubGetStats(PavStubStats* stats);

#ifdef __cplusplus
} /* extern "C" */
#endif
