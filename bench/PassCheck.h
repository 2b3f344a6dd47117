#pragma once
// The benchmark's check that the pass it times does the whole job.
#include <PavLib.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Runs the pass once over the picked drawing of holes, its sub-holes first marked unwritten, and
// checks what it wrote against the category each identifier was drawn from (categories[i], as
// numbered in SubHoleIdentifiers.h): every hole read, amended and freed once, every sub-hole
// coloured, one colour per category, color2 written for taps only. Empty when all is well, else
// what went wrong.
std::string CheckPass(SubHoleRecord* subHoles, size_t count, const uint8_t* categories, int holes);
