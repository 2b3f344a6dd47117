#pragma once
// What the benchmark holds the recolouring pass against, over the same pick through the same
// host calls (selection iterator, hole id, read, amend, free).

#include <PavLib.h>

// Where the memory-touch loop writes a sub-hole's second colour: color2 for a tap, color (then
// overwritten) for the rest, as the pass does. Handed in by the caller, since a compiler that
// sees the two fields turns the choice back into a branch on every sub-hole.
struct SecondColorFields
{
    int32_t SubHoleRecord::* notTap;
    int32_t SubHoleRecord::* tap;
};

// The least work any pass can do: each sub-hole's identifier read and its color written, and a
// tap's color2, with one compare and no branch.
void MemoryTouchPass(const SecondColorFields& fields);

// The host calls alone, with no sub-hole touched: the share of both that is the host's.
void HostCallsOnly();
