#pragma once
// The demo host's drawing format: a small text file of holes, their sub-holes and faults.
//
//   # comment (also after a statement)
//   hole <hole id>                       a hole shape; the sub lines after it are its sub-holes
//   sub <identifier> [<color> [<color2>]] a sub-hole of the last hole; colours default to 0
//   fault unreadable | null-subholes     a fault the host will show for the last hole
//   orphan                               a picked entity that has no hole id
//
// Hole ids are 0..2147483647; identifiers and colours are 32-bit signed integers.
#include <cstdint>
#include <string>
#include <vector>

struct DemoSubHole
{
    int32_t identifier = 0;
    int32_t color = 0;
    int32_t color2 = 0;
};

// One picked entity, in file order: a hole, or an entity without a hole id.
struct DemoEntity
{
    bool hasHole = true;
    int32_t holeId = -1;
    std::vector<DemoSubHole> subHoles;
    bool unreadable = false;
    bool nullSubHoles = false;
};

struct DemoDrawing
{
    std::vector<DemoEntity> entities;
};

// Parses the text; on bad input returns false with an error naming the line ("line 3: ...").
bool ParseDrawing(const std::string& text, DemoDrawing& drawing, std::string& error);

// Reads and parses a file; false with an error when it cannot be read or is bad.
bool LoadDrawingFile(const std::wstring& path, DemoDrawing& drawing, std::string& error);
