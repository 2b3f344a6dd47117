#pragma once
// Sub-hole identifiers for the benchmark's drawings, with the category each one was drawn from.
#include <PavLib.h>

#include <cstddef>
#include <cstdint>

// Categories as numbered here: 0..9 the ranges 101..199 to 1001..1099, 10 every other identifier.
constexpr int kRangeCount = 10;
constexpr uint8_t kNoRange = 10;
constexpr uint8_t kTapRange = 3;

enum class IdentifierOrder
{
    Random,   // each sub-hole's category drawn at random, as in a real drawing
    LongRuns, // the category changes every kRunLength sub-holes only
};

constexpr size_t kRunLength = 4096;

const char* NameOf(IdentifierOrder order);

// Writes an identifier into every sub-hole, the same for the same seed, and the category it
// belongs to into categories[i]; the identifiers outside the ranges take in zero, 1..100, the
// hundreds between the ranges, large and negative values and the 32-bit extremes.
void WriteIdentifiers(SubHoleRecord* subHoles, size_t count, IdentifierOrder order, uint64_t seed,
                      uint8_t* categories);
