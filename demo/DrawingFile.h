#pragma once
// The demo host's drawing format: a small text file of holes, their sub-holes and faults.
//
//   # comment (also after a statement)
//   hole <hole id>                       a hole shape; the sub lines after it are its sub-holes
//   sub <identifier> [<color> [<color2>]] a sub-hole of the last hole; colours default to 0
//   fault unreadable | null-subholes     a fault the host will show for the last hole
//   orphan                               a picked entity that has no hole id
//
// Hole ids are 0..2147483647; identifiers and colours are 32-bit signed integers. The text is
// UTF-8 with or without a byte-order mark, lines end in LF or CRLF, and control characters other
// than tabs are refused (a file read from disk may also be UTF-16: see DrawingFileReader.h).
#include <cstdint>
#include <set>
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

// Reads a drawing one line at a time, so that a large file is never held whole.
class DrawingParser
{
public:
    explicit DrawingParser(DemoDrawing& drawing);

    // Takes the next line, without its line feed; on bad input false with "line N: ..." in error.
    bool ParseLine(std::string line, std::string& error);
    int LineNumber() const { return m_lineNumber; }

private:
    bool ParseStatement(const std::vector<std::string>& tokens, std::string& error);
    bool Fail(std::string& error, const std::string& what) const;
    void EndHole();

    DemoDrawing& m_drawing;
    std::set<int32_t> m_holeIds;
    int m_lineNumber = 0;
    bool m_lastIsHole = false;  // the last entity is a hole, which the next sub or fault belongs to
};

// Parses a whole text; on bad input returns false with an error naming the line ("line 3: ...").
bool ParseDrawing(const std::string& text, DemoDrawing& drawing, std::string& error);

// A token as an error message quotes it: short, with control characters, invisible characters
// and bytes that are not UTF-8 written as escapes, so that a message is always one readable line.
std::string QuoteToken(const std::string& token);
