#pragma once
// Builds drawings in the stand-in PavLib.dll and reads them and its logs back, for the tests of
// the recolouring pass and of the loaded module.
#include <PavStub.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

// A sub-hole whose every host byte follows a pattern of the seed, so that any changed byte shows.
inline SubHoleRecord MakeSubHole(int32_t identifier, int32_t color, int32_t color2, unsigned seed)
{
    SubHoleRecord subHole;
    auto* bytes = reinterpret_cast<unsigned char*>(&subHole);
    for (size_t i = 0; i < sizeof subHole; ++i)
        bytes[i] = static_cast<unsigned char>(seed * 31u + i * 7u + 1u);
    subHole.identifier = identifier;
    subHole.color = color;
    subHole.color2 = color2;
    return subHole;
}

inline HoleRecord MakeHeader(unsigned seed)
{
    HoleRecord header;
    auto* bytes = reinterpret_cast<unsigned char*>(&header);
    for (size_t i = 0; i < sizeof header; ++i)
        bytes[i] = static_cast<unsigned char>(seed * 13u + i * 3u + 5u);
    header.subHoles = nullptr;
    return header;
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b)
{
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

struct StandInHole
{
    HoleRecord header;
    std::vector<SubHoleRecord> subHoles;
};

// Adds a hole and an entity that leads to it; returns the entity's index for picking.
inline int AddPickableHole(int holeId, const std::vector<SubHoleRecord>& subHoles)
{
    const HoleRecord header = MakeHeader(static_cast<unsigned>(holeId));
    PavStubAddHole(holeId, &header, subHoles.data(), static_cast<int>(subHoles.size()));
    return PavStubAddEntity(0x10000 + holeId, 0x20000 + holeId, holeId);
}

inline StandInHole ReadBackHole(int holeId)
{
    StandInHole hole{};
    const int held = PavStubGetHole(holeId, &hole.header, nullptr, 0);
    if (held > 0) {
        hole.subHoles.resize(static_cast<size_t>(held));
        PavStubGetHole(holeId, &hole.header, hole.subHoles.data(), held);
    }
    return hole;
}

inline std::vector<PavStubCall> StandInCalls()
{
    std::vector<PavStubCall> calls(static_cast<size_t>(PavStubGetCallCount()));
    for (size_t i = 0; i < calls.size(); ++i)
        PavStubGetCall(static_cast<int>(i), &calls[i]);
    return calls;
}

inline std::vector<std::string> StandInCallNames()
{
    std::vector<std::string> names;
    for (const PavStubCall& call : StandInCalls())
        names.push_back(call.name);
    return names;
}

inline std::vector<std::pair<int, std::wstring>> StandInMessages()
{
    std::vector<std::pair<int, std::wstring>> messages;
    for (int i = 0; i < PavStubGetMessageCount(); ++i) {
        wchar_t text[512];
        const int kind = PavStubGetMessage(i, text, 512);
        messages.emplace_back(kind, text);
    }
    return messages;
}

inline PavStubStats StandInStats()
{
    PavStubStats stats;
    PavStubGetStats(&stats);
    return stats;
}
