#pragma once
// The drawing the demo host uses when no file is given: every category, the range boundaries,
// a tap, an entity without a hole id and a hole without sub-holes.
extern const char SampleDrawingText[];
