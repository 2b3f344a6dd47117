#pragma once
// What the benchmark holds the recolouring pass against, over the same pick through the same
// host calls (selection iterator, hole id, read, amend, free).

#include <PavLib.h>

// What the memory-touch loop writes, handed in by the caller so that the compiler can neither fold
// the look-ups into arithmetic nor turn the choice of field back into a branch: a colour for each
// value of an identifier's low four bits (any pass must look a colour up), and the field that takes
// a sub-hole's second colour, color (then overwritten) for all but a tap, color2 for a tap.
struct TouchTables
{
    int32_t colorByLowBits[16];
    int32_t SubHoleRecord::* secondColorField[2]; // [0] not a tap, [1] a tap
};

// The least work any pass can do: each sub-hole's identifier read and a colour looked up by it
// written to color, and to a tap's color2, with the tap found by arithmetic, not by a branch.
void MemoryTouchPass(const TouchTables& tables);

// The host calls alone, with no sub-hole touched: the share of both that is the host's.
void HostCallsOnly();
