#include "StubDrawing.h"

#include <cstring>

void StubDrawing::Clear()
{
    m_holes.clear();
    m_holeIndex.clear();
    m_entities.clear();
    m_entityIndex.clear();
    m_pick.clear();
    m_iterators.clear();
    m_outstanding.clear();
}

bool StubDrawing::AddHole(int holeId, const HoleRecord* header, const SubHoleRecord* subHoles, int count)
{
    if (holeId == -1 || m_holeIndex.count(holeId) || (count > 0 && !subHoles))
        return false;
    StubHole hole;
    hole.holeId = holeId;
    if (header)
        hole.header = *header;
    hole.header.subHoleCount = count;
    hole.header.subHoles = nullptr;
    if (count > 0)
        hole.subHoles.assign(subHoles, subHoles + count);
    m_holeIndex[holeId] = m_holes.size();
    m_holes.push_back(std::move(hole));
    return true;
}

StubHole* StubDrawing::FindHole(int holeId)
{
    auto found = m_holeIndex.find(holeId);
    return found == m_holeIndex.end() ? nullptr : &m_holes[found->second];
}

uint64_t StubDrawing::EntityKey(int32_t word0, int32_t word1)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(word0)) << 32) | static_cast<uint32_t>(word1);
}

int StubDrawing::AddEntity(int32_t word0, int32_t word1, int holeId)
{
    m_entityIndex[EntityKey(word0, word1)] = m_entities.size();
    m_entities.push_back({ word0, word1, holeId });
    return static_cast<int>(m_entities.size() - 1);
}

bool StubDrawing::Pick(int entityIndex)
{
    if (entityIndex < 0 || static_cast<size_t>(entityIndex) >= m_entities.size())
        return false;
    m_pick.push_back(static_cast<size_t>(entityIndex));
    return true;
}

void StubDrawing::PickAll()
{
    m_pick.clear();
    for (size_t i = 0; i < m_entities.size(); ++i)
        m_pick.push_back(i);
}

int StubDrawing::HoleIdOfKey(const HoleKey& key) const
{
    auto found = m_entityIndex.find(EntityKey(key.pickWord0, key.pickWord1));
    return found == m_entityIndex.end() ? -1 : m_entities[found->second].holeId;
}

void* StubDrawing::OpenIterator()
{
    m_iterators.push_back({ m_pick, 0 });
    return &m_iterators.back();
}

bool StubDrawing::NextItem(void* handle, bool fromHead, void* pickItem, bool& handleKnown)
{
    handleKnown = false;
    for (Iterator& it : m_iterators) {
        if (&it != handle)
            continue;
        handleKnown = true;
        if (fromHead)
            it.next = 0;
        if (it.next >= it.items.size() || !pickItem)
            return false;
        const StubEntity& entity = m_entities[it.items[it.next++]];
        unsigned char bytes[PAVSTUB_PICKITEM_BYTES_WRITTEN];
        std::memset(bytes, 0xA5, sizeof bytes);
        std::memcpy(bytes, &entity.word0, 4);
        std::memcpy(bytes + 4, &entity.word1, 4);
        std::memcpy(pickItem, bytes, sizeof bytes);
        return true;
    }
    return false;
}

bool StubDrawing::CloseIterator(void* handle)
{
    for (auto it = m_iterators.begin(); it != m_iterators.end(); ++it) {
        if (&*it == handle) {
            m_iterators.erase(it);
            return true;
        }
    }
    return false;
}

bool StubDrawing::ReadHole(int holeId, HoleRecord& record)
{
    StubHole* hole = FindHole(holeId);
    if (!hole || (hole->faults & PAVSTUB_FAULT_UNREADABLE))
        return false;
    StubOutstanding handedOut;
    handedOut.record = &record;
    handedOut.holeId = holeId;
    if (!(hole->faults & PAVSTUB_FAULT_NULL_SUBHOLES)) {
        // Never an empty array, so that a count of 0 or below still comes with a real block.
        const size_t n = hole->subHoles.empty() ? 1 : hole->subHoles.size();
        handedOut.subHoles.reset(new SubHoleRecord[n]);
        std::memset(handedOut.subHoles.get(), 0xEE, n * sizeof(SubHoleRecord));
        std::copy(hole->subHoles.begin(), hole->subHoles.end(), handedOut.subHoles.get());
    }
    record = hole->header;
    record.subHoles = handedOut.subHoles.get();
    m_outstanding.push_back(std::move(handedOut));
    return true;
}

bool StubDrawing::AmendHole(int holeId, const HoleRecord& record)
{
    StubHole* hole = FindHole(holeId);
    if (!hole)
        return false;
    const StubOutstanding* handedOut = nullptr;
    for (const StubOutstanding& o : m_outstanding) {
        if (o.holeId == holeId && o.subHoles.get() == record.subHoles)
            handedOut = &o;
    }
    if (!handedOut)
        return false;
    ++hole->amends;
    hole->header = record;
    hole->header.subHoles = nullptr;
    if (record.subHoles)
        std::copy(record.subHoles, record.subHoles + hole->subHoles.size(), hole->subHoles.begin());
    return true;
}

bool StubDrawing::FreeRecord(const HoleRecord& record)
{
    for (auto it = m_outstanding.rbegin(); it != m_outstanding.rend(); ++it) {
        if (it->record == &record && it->subHoles.get() == record.subHoles) {
            m_outstanding.erase(std::next(it).base());
            return true;
        }
    }
    return false;
}
