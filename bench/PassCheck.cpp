#include "PassCheck.h"

#include "BenchHost.h"
#include "SubHoleIdentifiers.h"

#include <cstdio>

namespace {

// No colour number of the palette: marks a field the pass has not written.
const int32_t kUnwritten = -7777;

} // namespace

std::string CheckPass(SubHoleRecord* subHoles, size_t count, const uint8_t* categories, int holes)
{
    for (size_t i = 0; i < count; ++i)
        subHoles[i].color = subHoles[i].color2 = kUnwritten;
    BenchHostCounts before, after;
    BenchHostGetCounts(&before);
    BenchHostExecute(0);
    BenchHostGetCounts(&after);
    if (after.holeReads - before.holeReads != holes || after.holeAmends - before.holeAmends != holes ||
        after.holeFrees - before.holeFrees != holes || after.badCalls != before.badCalls ||
        after.errorMessages != before.errorMessages)
        return "the pass did not read, amend and free every hole once";
    int32_t colourOf[kRangeCount + 1];
    bool seen[kRangeCount + 1] = {};
    char why[160];
    for (size_t i = 0; i < count; ++i) {
        const SubHoleRecord& subHole = subHoles[i];
        const uint8_t category = categories[i];
        const bool tap = category == kTapRange;
        const char* fault = nullptr;
        if (subHole.color == kUnwritten)
            fault = "has no colour";
        else if (seen[category] && subHole.color != colourOf[category])
            fault = "is coloured unlike the others of its category";
        else if (tap == (subHole.color2 == kUnwritten))
            fault = tap ? "is a tap without its second colour" : "had its color2 written";
        if (fault) {
            std::snprintf(why, sizeof why, "sub-hole %zu (identifier %ld) %s", i, static_cast<long>(subHole.identifier), fault);
            return why;
        }
        seen[category] = true;
        colourOf[category] = subHole.color;
    }
    return std::string();
}
