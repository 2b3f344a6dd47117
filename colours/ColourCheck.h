#pragma once
// Judging a set of category colours: which categories share a colour, which pairs are hard to tell
// apart under each kind of vision, which colours stand out too little from the drawing background;
// and the palette assignment that keeps all categories as far apart as the palette allows.
#include "SlotColours.h"

#include <vector>

struct CheckOptions
{
    double threshold = 5.0;     // ΔE00 below this is hard to tell apart as thin lines
    double minContrast = 3.0;   // luminance contrast ratio a line needs against the background
    bool whiteBackground = false;
};

struct PairDifference
{
    Vision vision = Vision::Normal;
    int first = 0;   // slots, first < second
    int second = 0;
    double deltaE = 0;
};

struct ContrastShortfall
{
    int slot = 0;
    Vision vision = Vision::Normal;  // the vision under which the contrast is lowest
    double ratio = 0;
};

struct CheckResult
{
    std::vector<std::vector<int>> sharedColours;  // groups of slots with one palette colour
    std::vector<PairDifference> pairs;            // every pair of slots under every vision
    std::vector<PairDifference> similarPairs;     // pairs of different colours below the threshold
    std::vector<ContrastShortfall> lowContrast;
    double smallest = -1;             // the smallest ΔE00 of all pairs (0 when two share a colour)
    PairDifference smallestDistinct;  // the closest pair of different colours (deltaE < 0: none)
};

using SlotColours = std::array<SlotColour, CategorySlotCount>;

SlotColours ResolveSlotNames(const SlotNames& names);
CheckResult CheckColours(const SlotColours& colours, const CheckOptions& options);

// The smallest ΔE00 between any two slots under any of the four visions (0 when two share a colour).
double SmallestDifference(const SlotColours& colours);

struct Suggestion
{
    SlotNames names;
    int candidates = 0;          // palette colours it chose from
    bool keepsContrast = false;  // every candidate stands out enough from the background
};

// Picks 12 different palette colours whose closest pair, under any vision, is as far apart as
// possible, then gives each slot its default colour when chosen or else the nearest unused one.
// Only colours with enough contrast against the background take part, while 12 of them do.
// A slot with a name in `fixed` keeps it (a colour locked by policy), and the others are chosen
// around it; `defaults` are the colours the others keep where they can.
Suggestion SuggestSlotNames(const CheckOptions& options, const SlotNames& fixed = SlotNames(),
                            const SlotNames& defaults = DefaultSlotNames());
