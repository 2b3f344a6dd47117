#pragma once
/*
 * The CAD host's library PavLib: the operations a plug-in imports by name and the records it
 * exchanges with them. x86-64, default calling convention, undecorated C names. Every record is
 * little-endian at fixed byte offsets; bytes named host data belong to the host and go back to it
 * exactly as read.
 */
#include <stddef.h>
#include <stdint.h>

#if defined(PAVLIB_EXPORTS)
#define PAVLIB_API
#else
#define PAVLIB_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Handed to PavEvtSetObject at each command start: which entities the pick accepts. */
typedef struct PickFilter {
    int32_t value0;  /* 16 */
    int16_t value1;  /* 2 */
    int16_t value2;  /* 1 */
    int32_t value3;  /* 0 */
    int32_t value4;  /* 0 */
} PickFilter;

/* The first 8 bytes of what the selection iterator writes per picked entity; the host may write
   more, so a caller offers a larger buffer (PickItemBuffer). */
typedef struct PickItem {
    int32_t word0;
    int32_t word1;
} PickItem;

/* Room offered to the selection iterator for one PickItem. */
typedef union PickItemBuffer {
    PickItem item;
    unsigned char bytes[256];
} PickItemBuffer;

/* The key PavHolGetHoleId takes: the two words of a PickItem in swapped order. */
typedef struct HoleKey {
    int32_t pickWord1;
    int32_t pickWord0;
} HoleKey;

/* One sub-hole; only identifier is read and only color and color2 are written by a plug-in. */
typedef struct SubHoleRecord {
    int32_t identifier;
    unsigned char hostData1[196];
    int32_t color;
    unsigned char hostData2[20];
    int32_t color2;
    unsigned char hostData3[36];
} SubHoleRecord;

/* One hole as read by PavHolGetHoleData2; subHoles points into memory that
   PavHolFreeHoleData2 releases. */
typedef struct HoleRecord {
    unsigned char hostData1[96];
    int32_t subHoleCount;
    unsigned char hostData2[4];
    SubHoleRecord* subHoles;
} HoleRecord;

typedef int  (*PavStartCommandFn)(void);
typedef int  (*PavSecondFn)(void);
typedef void (*PavThirdFn)(void);
typedef int  (*PavExecuteFn)(int event, void* a1, void* a2, void* a3);

/* Exported by the plug-in, called once by the host after loading it. */
typedef int  (*PavStartupFn)(void* a1, void* a2, void* a3, void* a4);
int Startup(void* a1, void* a2, void* a3, void* a4);

PAVLIB_API int   PavCtlRegisterPavLib2(PavStartCommandFn start, PavSecondFn second, PavThirdFn third, void* a4);
PAVLIB_API void  PavCtlSetExecuteFunc(PavExecuteFn exec, const wchar_t* text);
PAVLIB_API void  PavEvtSetEventMask(int mask);
PAVLIB_API void  PavEvtSetObject(const void* pickFilter);
PAVLIB_API void  PavIddClearSysIdData(void);
PAVLIB_API void* PavIddOpenSelIdData(int mode, void* a1, void* a2, void* a3);
PAVLIB_API int   PavIddGetHeadSelIdData(void* handle, void* pickItem);
PAVLIB_API int   PavIddGetNextSelIdData(void* handle, void* pickItem);
PAVLIB_API void  PavIddCloseSelIdData(void* handle);
PAVLIB_API int   PavHolGetHoleId(const void* holeKey);
PAVLIB_API int   PavHolGetHoleData2(int holeId, void* holeRecord);
PAVLIB_API int   PavHolAmendHoleData2(int holeId, void* holeRecord);
PAVLIB_API void  PavHolFreeHoleData2(void* holeRecord);
PAVLIB_API void  PavMsgPutCursorMessage(const wchar_t* text);
PAVLIB_API void  PavMsgPutMessage(const wchar_t* text);
PAVLIB_API void  PavMsgPutErrorMessage(const wchar_t* text);

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(PickFilter) == 16, "PickFilter is 16 bytes");
static_assert(offsetof(PickFilter, value1) == 4 && offsetof(PickFilter, value2) == 6, "PickFilter halves");
static_assert(offsetof(PickFilter, value3) == 8 && offsetof(PickFilter, value4) == 12, "PickFilter tail");
static_assert(sizeof(PickItem) == 8 && offsetof(PickItem, word1) == 4, "PickItem words");
static_assert(sizeof(PickItemBuffer) >= 8, "PickItem buffer");
static_assert(sizeof(HoleKey) == 8 && offsetof(HoleKey, pickWord0) == 4, "HoleKey words");
static_assert(sizeof(SubHoleRecord) == 264, "SubHoleRecord is 264 bytes");
static_assert(offsetof(SubHoleRecord, hostData1) == 4, "SubHoleRecord host data 1");
static_assert(offsetof(SubHoleRecord, color) == 200, "SubHoleRecord color");
static_assert(offsetof(SubHoleRecord, hostData2) == 204, "SubHoleRecord host data 2");
static_assert(offsetof(SubHoleRecord, color2) == 224, "SubHoleRecord color2");
static_assert(offsetof(SubHoleRecord, hostData3) == 228, "SubHoleRecord host data 3");
static_assert(sizeof(HoleRecord) == 112, "HoleRecord is 112 bytes");
static_assert(offsetof(HoleRecord, subHoleCount) == 96, "HoleRecord subHoleCount");
static_assert(offsetof(HoleRecord, hostData2) == 100, "HoleRecord host data 2");
static_assert(offsetof(HoleRecord, subHoles) == 104, "HoleRecord subHoles");
static_assert(sizeof(void*) == 8, "PavLib is a 64-bit library");
#endif
