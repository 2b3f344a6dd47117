#include "SubHoleIdentifiers.h"

#include <climits>

namespace {

// A small, fast generator (splitmix64): the drawings of a million holes need sixteen million draws.
class Random
{
public:
    explicit Random(uint64_t seed) : m_state(seed) {}

    uint64_t Next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(Next() % bound); }

private:
    uint64_t m_state;
};

int32_t IdentifierIn(uint8_t category, Random& random)
{
    if (category < kRangeCount)
        return static_cast<int32_t>(101 + 100 * category + random.Below(99));
    switch (random.Below(6)) {
    case 0: return static_cast<int32_t>(random.Below(101));                   // 0..100
    case 1: return static_cast<int32_t>(200 + 100 * random.Below(9));         // 200, 300, ... 1000
    case 2: return static_cast<int32_t>(1100 + random.Below(INT_MAX - 1100)); // past the last range
    case 3: return -1 - static_cast<int32_t>(random.Below(1000));             // small negative
    case 4: return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(random.Next())); // any negative
    default: return random.Below(2) ? INT_MIN : INT_MAX;
    }
}

} // namespace

const char* NameOf(IdentifierOrder order)
{
    return order == IdentifierOrder::Random ? "random" : "long runs";
}

void WriteIdentifiers(SubHoleRecord* subHoles, size_t count, IdentifierOrder order, uint64_t seed,
                      uint8_t* categories)
{
    Random random(seed);
    uint8_t runCategory = 0;
    for (size_t i = 0; i < count; ++i) {
        uint8_t category;
        if (order == IdentifierOrder::Random) {
            category = static_cast<uint8_t>(random.Below(kRangeCount + 1));
        } else {
            if (i % kRunLength == 0)
                runCategory = static_cast<uint8_t>(random.Below(kRangeCount + 1));
            category = runCategory;
        }
        subHoles[i].identifier = IdentifierIn(category, random);
        categories[i] = category;
    }
}
