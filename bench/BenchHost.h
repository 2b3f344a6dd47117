#pragma once
/*
 * The benchmark's own host library, built as PavLib.dll beside RimtoneBench.exe: one drawing of
 * holes whose sub-hole arrays lie in a single block and are handed out in place, without a copy,
 * as a real host's memory would be; every hole is picked. Besides the host operations it exports
 * the few controls below. Single-threaded.
 */
#include <PavLib.h>

#if defined(PAVLIB_EXPORTS)
#define BENCHHOST_API
#else
#define BENCHHOST_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the drawing by holeCount holes (hole ids 0..holeCount-1, all picked in that order) of
   subHolesPerHole zeroed sub-holes each; returns the first sub-hole of the block, or null when the
   memory cannot be had (the drawing is then empty). */
BENCHHOST_API SubHoleRecord* BenchHostCreateDrawing(int holeCount, int subHolesPerHole);
BENCHHOST_API void BenchHostDestroyDrawing(void);

/* Picks holeCount holes from firstHole on, in order; -1 when they are not all in the drawing. */
BENCHHOST_API int BenchHostPick(int firstHole, int holeCount);

/* Call the module's start callback and its execute callback as the host would; -1 when the
   module has not handed that callback over. */
BENCHHOST_API int BenchHostStartCommand(void);
BENCHHOST_API int BenchHostExecute(int event);

/* What the module asked of the host since the drawing was created. */
typedef struct BenchHostCounts {
    long long operationCalls; /* every host operation */
    long long holeReads;      /* successful PavHolGetHoleData2 */
    long long holeAmends;     /* PavHolAmendHoleData2 of a hole read, with its own sub-hole array */
    long long holeFrees;      /* PavHolFreeHoleData2 of a record read */
    long long badCalls;       /* unknown hole ids or handles, foreign records, double frees */
    long long errorMessages;  /* PavMsgPutErrorMessage */
} BenchHostCounts;
BENCHHOST_API void BenchHostGetCounts(BenchHostCounts* counts);

#ifdef __cplusplus
} /* extern "C" */
#endif
