#include "ColourCheck.h"

#include <PaletteTable.h>

#include <algorithm>
#include <cmath>

namespace {

// Distances are compared after rounding, so that the choice does not hang on the last bits of a
// compiler's pow or cbrt.
double Rounded(double value)
{
    return std::round(value * 1e6) / 1e6;
}

std::array<Lab, VisionCount> SeenUnderEveryVision(Rgb8 colour)
{
    std::array<Lab, VisionCount> seen;
    for (int vision = 0; vision < VisionCount; ++vision)
        seen[vision] = SeenAs(AllVisions[vision], colour);
    return seen;
}

// The lowest contrast ratio of the colour against the background under the four visions.
ContrastShortfall LowestContrast(int slot, Rgb8 colour, bool whiteBackground)
{
    const double background = whiteBackground ? 1.0 : 0.0;
    ContrastShortfall lowest = { slot, Vision::Normal, 1e9 };
    for (Vision vision : AllVisions) {
        const double ratio = ContrastRatio(RelativeLuminance(Simulate(vision, ToLinear(colour))), background);
        if (ratio < lowest.ratio)
            lowest = { slot, vision, ratio };
    }
    return lowest;
}

double ContrastAgainst(Rgb8 colour, bool whiteBackground)
{
    return LowestContrast(0, colour, whiteBackground).ratio;
}

} // namespace

SlotColours ResolveSlotNames(const SlotNames& names)
{
    SlotColours colours;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        colours[slot] = ResolvePaletteName(names[slot]);
    return colours;
}

CheckResult CheckColours(const SlotColours& colours, const CheckOptions& options)
{
    CheckResult result;
    result.smallestDistinct.deltaE = -1;

    std::vector<bool> grouped(CategorySlotCount, false);
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (grouped[slot])
            continue;
        std::vector<int> group = { slot };
        for (int other = slot + 1; other < CategorySlotCount; ++other) {
            if (colours[other].number == colours[slot].number) {
                group.push_back(other);
                grouped[other] = true;
            }
        }
        if (group.size() > 1)
            result.sharedColours.push_back(group);
    }

    std::array<std::array<Lab, VisionCount>, CategorySlotCount> seen;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        seen[slot] = SeenUnderEveryVision(colours[slot].rgb);

    for (int vision = 0; vision < VisionCount; ++vision) {
        for (int first = 0; first < CategorySlotCount; ++first) {
            for (int second = first + 1; second < CategorySlotCount; ++second) {
                const PairDifference pair = { AllVisions[vision], first, second,
                                              DeltaE2000(seen[first][vision], seen[second][vision]) };
                result.pairs.push_back(pair);
                result.smallest = result.smallest < 0 ? pair.deltaE : std::min(result.smallest, pair.deltaE);
                if (colours[first].number == colours[second].number)
                    continue;
                if (pair.deltaE < options.threshold)
                    result.similarPairs.push_back(pair);
                if (result.smallestDistinct.deltaE < 0 || pair.deltaE < result.smallestDistinct.deltaE)
                    result.smallestDistinct = pair;
            }
        }
    }

    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const ContrastShortfall lowest = LowestContrast(slot, colours[slot].rgb, options.whiteBackground);
        if (lowest.ratio < options.minContrast)
            result.lowContrast.push_back(lowest);
    }
    return result;
}

double SmallestDifference(const SlotColours& colours)
{
    return CheckColours(colours, CheckOptions()).smallest;
}

Suggestion SuggestSlotNames(const CheckOptions& options, const SlotNames& fixed, const SlotNames& defaults)
{
    // The difference of two palette colours is the smallest over the four visions.
    std::array<std::array<Lab, VisionCount>, MainColorCount> seen;
    for (int row = 1; row <= MainColorCount; ++row)
        seen[row - 1] = SeenUnderEveryVision(ResolvePaletteName(MainColorOfRow(row).name).rgb);
    double distance[MainColorCount][MainColorCount] = {};
    for (int i = 0; i < MainColorCount; ++i) {
        for (int j = 0; j < MainColorCount; ++j) {
            double smallest = 1e9;
            for (int vision = 0; vision < VisionCount; ++vision)
                smallest = std::min(smallest, DeltaE2000(seen[i][vision], seen[j][vision]));
            distance[i][j] = Rounded(smallest);
        }
    }

    // The fixed slots' colours are chosen already; the free slots need as many more.
    unsigned fixedMask = 0;
    int freeSlots = CategorySlotCount;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (fixed[slot].IsEmpty())
            continue;
        fixedMask |= 1u << ResolvePaletteName(fixed[slot]).number;
        --freeSlots;
    }
    int wanted = freeSlots;
    for (unsigned bits = fixedMask; bits; bits &= bits - 1)
        ++wanted;

    Suggestion suggestion;
    unsigned candidates = 0;
    for (int index = 0; index < MainColorCount; ++index) {
        const Rgb8 colour = ResolvePaletteName(MainColorOfRow(index + 1).name).rgb;
        if (ContrastAgainst(colour, options.whiteBackground) >= options.minContrast) {
            candidates |= 1u << index;
            ++suggestion.candidates;
        }
    }
    int freeCandidates = 0;
    for (unsigned bits = candidates & ~fixedMask; bits; bits &= bits - 1)
        ++freeCandidates;
    suggestion.keepsContrast = freeCandidates >= freeSlots;
    if (!suggestion.keepsContrast) {
        candidates = (1u << MainColorCount) - 1;
        suggestion.candidates = MainColorCount;
    }

    // Every choice of 12 of the candidates, the best by its sorted pair differences compared from
    // the smallest up (the smallest first, then the next, ...); the first such choice wins ties.
    unsigned bestMask = 0;
    std::vector<double> bestDistances;
    for (unsigned mask = 0; mask < (1u << MainColorCount); ++mask) {
        int count = 0;
        for (unsigned bits = mask; bits; bits &= bits - 1)
            ++count;
        if (count != wanted || (mask & fixedMask) != fixedMask || (mask & ~(candidates | fixedMask)) != 0)
            continue;
        std::vector<double> distances;
        for (int i = 0; i < MainColorCount; ++i)
            for (int j = i + 1; j < MainColorCount; ++j)
                if ((mask >> i & 1u) && (mask >> j & 1u))
                    distances.push_back(distance[i][j]);
        std::sort(distances.begin(), distances.end());
        if (bestDistances.empty() || distances > bestDistances) {
            bestDistances = distances;
            bestMask = mask;
        }
    }

    // Fixed slots keep their colour; the others keep their default colour where it was chosen (the
    // first slot of a shared default), and else take the unused chosen colour closest to it.
    std::vector<bool> used(MainColorCount, false);
    SlotNames& names = suggestion.names;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (fixed[slot].IsEmpty())
            continue;
        const SlotColour colour = ResolvePaletteName(fixed[slot]);
        used[colour.number] = true;
        names[slot] = colour.name;
    }
    std::array<int, CategorySlotCount> defaultIndex;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        defaultIndex[slot] = ResolvePaletteName(defaults[slot]).number;
        const int index = defaultIndex[slot];
        if (names[slot].IsEmpty() && (bestMask >> index & 1u) && !used[index]) {
            used[index] = true;
            names[slot] = ResolvePaletteName(MainColorOfRow(index + 1).name).name;
        }
    }
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (!names[slot].IsEmpty())
            continue;
        int nearest = -1;
        double nearestDistance = 0;
        for (int index = 0; index < MainColorCount; ++index) {
            if (!(bestMask >> index & 1u) || used[index])
                continue;
            const double difference = Rounded(DeltaE2000(seen[index][0], seen[defaultIndex[slot]][0]));
            if (nearest < 0 || difference < nearestDistance) {
                nearest = index;
                nearestDistance = difference;
            }
        }
        used[nearest] = true;
        names[slot] = ResolvePaletteName(MainColorOfRow(nearest + 1).name).name;
    }
    return suggestion;
}
