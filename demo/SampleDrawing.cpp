#include "SampleDrawing.h"

const char SampleDrawingText[] = R"(# Built-in sample drawing: colours start at 9 (MAINCOLOR10, grey) so that changes show.
hole 1          # drill, both ends of its range
sub 101 9 9
sub 150 9 9
sub 199 9 9
hole 2          # just outside and inside the boring range
sub 100 9 9
sub 200 9 9
sub 201 9 9
sub 299 9 9
hole 3          # reamer, and a tap with its two colours
sub 301 9 9
sub 399 9 9
sub 401 9 9
sub 499 9 9
hole 4          # counterbore, JG, JB, WC, milling
sub 501 9 9
sub 601 9 9
sub 701 9 9
sub 801 9 9
sub 901 9 9
sub 999 9 9
orphan          # picked, but without a hole id: the host reports it
hole 5          # slot (long hole) and the undetermined rest
sub 1001 9 9
sub 1099 9 9
sub 1000 9 9
sub 1100 9 9
sub 0 9 9
sub -1 9 9
hole 6          # a hole without sub-holes goes back unchanged
)";
