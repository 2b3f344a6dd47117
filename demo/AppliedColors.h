#pragma once
// The colour numbers the module's pass applies, which the module keeps to itself: read back from
// a probe hole, with a sub-hole of every category, picked and recoloured on its own.
#include <CategoryColors.h>

// Adds the probe to the stand-in's drawing under an unused hole id, runs one pick of it and fills
// colors by slot; false when the pass did not amend the probe.
bool ReadAppliedColors(int (&colors)[CategorySlotCount]);
