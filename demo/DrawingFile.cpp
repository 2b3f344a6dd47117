#include "DrawingFile.h"

#include <ConsoleText.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr long long kInt32Min = -2147483648LL;
constexpr long long kInt32Max = 2147483647LL;
constexpr size_t kQuotedCharacters = 24;
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// A byte that is not part of a UTF-8 character, as a message shows it.
std::string ByteEscape(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(byte));
    return text;
}

// Length of the well-formed UTF-8 sequence at text[at] and its code point; 0 when ill-formed.
size_t DecodeUtf8(const std::string& text, size_t at, uint32_t& codePoint)
{
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const uint32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool ParseInteger(const std::string& token, long long low, long long high, long long& value)
{
    if (token.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(token.c_str(), &end, 10);
    return errno == 0 && end == token.c_str() + token.size() && value >= low && value <= high;
}

// What is wrong with a character of a line, or empty when it may appear in a drawing file.
std::string CheckCharacter(unsigned char c)
{
    if (c == '\0')
        return "a NUL byte";
    if (c == '\r')
        return "a carriage return that does not end the line";
    if ((c < 0x20 && c != '\t') || c == 0x7F)
        return "control character " + EscapeOf(c);
    return std::string();
}

} // namespace

std::string QuoteToken(const std::string& token)
{
    std::string shown;
    size_t at = 0;
    for (size_t characters = 0; at < token.size() && characters < kQuotedCharacters; ++characters) {
        uint32_t codePoint = 0;
        const size_t length = DecodeUtf8(token, at, codePoint);
        if (length == 0)
            shown += ByteEscape(static_cast<unsigned char>(token[at]));
        else if (IsInvisibleCharacter(codePoint))
            shown += EscapeOf(codePoint);
        else
            shown.append(token, at, length);
        at += length == 0 ? 1 : length;
    }
    return "'" + shown + (at < token.size() ? "...'" : "'");
}

DrawingParser::DrawingParser(DemoDrawing& drawing) : m_drawing(drawing)
{
    m_drawing.entities.clear();
}

bool DrawingParser::Fail(std::string& error, const std::string& what) const
{
    error = "line " + std::to_string(m_lineNumber) + ": " + what;
    return false;
}

void DrawingParser::EndHole()
{
    if (m_lastIsHole)
        m_drawing.entities.back().subHoles.shrink_to_fit();
}

bool DrawingParser::ParseLine(std::string line, std::string& error)
{
    ++m_lineNumber;
    if (m_lineNumber == 1 && line.compare(0, 3, kByteOrderMark) == 0)
        line.erase(0, 3);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    for (size_t i = 0; i < line.size(); ++i) {
        const std::string wrong = CheckCharacter(static_cast<unsigned char>(line[i]));
        if (!wrong.empty())
            return Fail(error, wrong + " at column " + std::to_string(i + 1) + " (a drawing file is plain text)");
    }
    const size_t comment = line.find('#');
    if (comment != std::string::npos)
        line.erase(comment);
    std::vector<std::string> tokens;
    for (size_t at = line.find_first_not_of(" \t"); at != std::string::npos;) {
        const size_t end = line.find_first_of(" \t", at);
        tokens.push_back(line.substr(at, end - at));
        at = end == std::string::npos ? end : line.find_first_not_of(" \t", end);
    }
    return tokens.empty() || ParseStatement(tokens, error);
}

bool DrawingParser::ParseStatement(const std::vector<std::string>& tokens, std::string& error)
{
    // Reads tokens[index] as a number of the field's range.
    const auto field = [&](size_t index, const char* what, long long low, long long high, int32_t& out) {
        long long value = 0;
        if (!ParseInteger(tokens[index], low, high, value))
            return Fail(error, std::string(what) + " " + QuoteToken(tokens[index]) + " is not a number from " +
                                   std::to_string(low) + " to " + std::to_string(high));
        out = static_cast<int32_t>(value);
        return true;
    };
    // A sub or fault line belongs to the hole before it.
    const auto needHole = [&](const std::string& keyword, const char* belongs) {
        if (m_lastIsHole)
            return true;
        if (m_drawing.entities.empty())
            return Fail(error, "'" + keyword + "' before any 'hole'");
        return Fail(error, "'" + keyword + "' after 'orphan' (an entity without a hole id has no " + belongs + ")");
    };

    const std::string& keyword = tokens[0];
    size_t expectedMax = 1;
    if (keyword == "hole") {
        if (tokens.size() < 2)
            return Fail(error, "'hole' needs a hole id");
        DemoEntity hole;
        if (!field(1, "hole id", 0, kInt32Max, hole.holeId))
            return false;
        if (!m_holeIds.insert(hole.holeId).second)
            return Fail(error, "hole id " + std::to_string(hole.holeId) + " is already used");
        EndHole();
        m_drawing.entities.push_back(std::move(hole));
        m_lastIsHole = true;
        expectedMax = 2;
    } else if (keyword == "sub") {
        if (!needHole(keyword, "sub-holes"))
            return false;
        if (tokens.size() < 2)
            return Fail(error, "'sub' needs an identifier");
        DemoSubHole sub;
        if (!field(1, "identifier", kInt32Min, kInt32Max, sub.identifier) ||
            (tokens.size() > 2 && !field(2, "color", kInt32Min, kInt32Max, sub.color)) ||
            (tokens.size() > 3 && !field(3, "color2", kInt32Min, kInt32Max, sub.color2)))
            return false;
        m_drawing.entities.back().subHoles.push_back(sub);
        expectedMax = 4;
    } else if (keyword == "fault") {
        if (!needHole(keyword, "hole record"))
            return false;
        if (tokens.size() < 2)
            return Fail(error, "'fault' needs unreadable or null-subholes");
        DemoEntity& hole = m_drawing.entities.back();
        if (tokens[1] == "unreadable")
            hole.unreadable = true;
        else if (tokens[1] == "null-subholes")
            hole.nullSubHoles = true;
        else
            return Fail(error, "unknown fault " + QuoteToken(tokens[1]) + " (unreadable or null-subholes)");
        expectedMax = 2;
    } else if (keyword == "orphan") {
        EndHole();
        DemoEntity orphan;
        orphan.hasHole = false;
        m_drawing.entities.push_back(orphan);
        m_lastIsHole = false;
    } else {
        return Fail(error, "unknown field " + QuoteToken(keyword) + " (hole, sub, fault or orphan)");
    }
    if (tokens.size() > expectedMax)
        return Fail(error, "unexpected " + QuoteToken(tokens[expectedMax]) + " after '" + keyword + "'");
    return true;
}

bool ParseDrawing(const std::string& text, DemoDrawing& drawing, std::string& error)
{
    DrawingParser parser(drawing);
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (!parser.ParseLine(text.substr(start, end - start), error))
            return false;
        start = end + 1;
    }
    return true;
}
