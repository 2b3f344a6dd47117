#pragma once
// The stand-in host's drawing: holes by hole id, entities that may carry one, the pick, open
// selection iterators and the sub-hole arrays handed out with records not yet freed.
#include "PavStub.h"

#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

struct StubHole
{
    int holeId = -1;
    HoleRecord header = {};                  // host data and subHoleCount; subHoles unused
    std::vector<SubHoleRecord> subHoles;     // the records stored, max(count, 0) of them
    int faults = 0;
    int amends = 0;                          // accepted PavHolAmendHoleData2 calls
};

struct StubEntity
{
    int32_t word0 = 0;
    int32_t word1 = 0;
    int holeId = -1;
};

// A record read and not yet freed: the caller's buffer and the array handed out in it.
struct StubOutstanding
{
    const void* record = nullptr;
    std::unique_ptr<SubHoleRecord[]> subHoles;
    int holeId = -1;
};

class StubDrawing
{
public:
    void Clear();

    bool AddHole(int holeId, const HoleRecord* header, const SubHoleRecord* subHoles, int count);
    StubHole* FindHole(int holeId);

    int AddEntity(int32_t word0, int32_t word1, int holeId);
    bool Pick(int entityIndex);
    void PickAll();
    void ClearPick() { m_pick.clear(); }
    // Hole id of the entity whose swapped words make the key; -1 when none or it has none.
    int HoleIdOfKey(const HoleKey& key) const;

    // Iterators walk a copy of the pick taken at opening.
    void* OpenIterator();
    // Writes the next picked entity's PickItem; false at the end or for a handle not open.
    bool NextItem(void* handle, bool fromHead, void* pickItem, bool& handleKnown);
    bool CloseIterator(void* handle);
    int OpenIteratorCount() const { return static_cast<int>(m_iterators.size()); }

    // Fills the caller's record from the hole and hands out a copy of its sub-holes.
    bool ReadHole(int holeId, HoleRecord& record);
    // Stores the record's host data and sub-holes back; false when the hole is unknown or the
    // sub-hole array is not the one handed out for it.
    bool AmendHole(int holeId, const HoleRecord& record);
    // Releases the array handed out with this record; false when none is outstanding.
    bool FreeRecord(const HoleRecord& record);
    int OutstandingCount() const { return static_cast<int>(m_outstanding.size()); }

private:
    static uint64_t EntityKey(int32_t word0, int32_t word1);

    std::deque<StubHole> m_holes;  // grows without copying what it holds: a drawing may be large
    std::unordered_map<int, size_t> m_holeIndex;
    std::vector<StubEntity> m_entities;
    std::unordered_map<uint64_t, size_t> m_entityIndex;
    std::vector<size_t> m_pick;

    struct Iterator
    {
        std::vector<size_t> items;
        size_t next = 0;
    };
    std::list<Iterator> m_iterators;
    std::vector<StubOutstanding> m_outstanding;
};
