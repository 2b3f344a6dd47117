#pragma once
// Counts every C++ allocation of the program that links this: its operator new is replaced.

// Allocations made through operator new since the program started.
long AllocationCount();
