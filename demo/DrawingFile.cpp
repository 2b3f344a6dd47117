#include "DrawingFile.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

// Reports the first problem of a line as "line N: ...".
class LineError
{
public:
    explicit LineError(int line) : m_line(line) {}
    bool Fail(std::string& error, const std::string& what) const
    {
        error = "line " + std::to_string(m_line) + ": " + what;
        return false;
    }

private:
    int m_line;
};

bool ParseInteger(const std::string& token, long long low, long long high, long long& value)
{
    if (token.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(token.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

bool ParseField(const LineError& at, const std::string& token, const char* what, long long low, long long high,
                int32_t& out, std::string& error)
{
    long long value = 0;
    if (!ParseInteger(token, low, high, value))
        return at.Fail(error, std::string(what) + " '" + token + "' is not a number from " + std::to_string(low) +
                                  " to " + std::to_string(high));
    out = static_cast<int32_t>(value);
    return true;
}

constexpr long long kInt32Min = -2147483648LL;
constexpr long long kInt32Max = 2147483647LL;

} // namespace

bool ParseDrawing(const std::string& text, DemoDrawing& drawing, std::string& error)
{
    drawing.entities.clear();
    std::set<int32_t> holeIds;
    DemoEntity* lastHole = nullptr;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const LineError at(number);
        const size_t comment = line.find('#');
        if (comment != std::string::npos)
            line.erase(comment);
        std::istringstream fields(line);
        std::vector<std::string> tokens;
        for (std::string token; fields >> token;)
            tokens.push_back(token);
        if (tokens.empty())
            continue;

        const std::string& keyword = tokens[0];
        size_t expectedMax = 1;
        if (keyword == "hole") {
            if (tokens.size() < 2)
                return at.Fail(error, "'hole' needs a hole id");
            DemoEntity hole;
            if (!ParseField(at, tokens[1], "hole id", 0, kInt32Max, hole.holeId, error))
                return false;
            if (!holeIds.insert(hole.holeId).second)
                return at.Fail(error, "hole id " + tokens[1] + " is already used");
            drawing.entities.push_back(hole);
            lastHole = &drawing.entities.back();
            expectedMax = 2;
        } else if (keyword == "sub") {
            if (!lastHole)
                return at.Fail(error, "'sub' before any 'hole'");
            if (tokens.size() < 2)
                return at.Fail(error, "'sub' needs an identifier");
            DemoSubHole sub;
            if (!ParseField(at, tokens[1], "identifier", kInt32Min, kInt32Max, sub.identifier, error))
                return false;
            if (tokens.size() > 2 && !ParseField(at, tokens[2], "color", kInt32Min, kInt32Max, sub.color, error))
                return false;
            if (tokens.size() > 3 && !ParseField(at, tokens[3], "color2", kInt32Min, kInt32Max, sub.color2, error))
                return false;
            lastHole->subHoles.push_back(sub);
            expectedMax = 4;
        } else if (keyword == "fault") {
            if (!lastHole)
                return at.Fail(error, "'fault' before any 'hole'");
            if (tokens.size() < 2)
                return at.Fail(error, "'fault' needs unreadable or null-subholes");
            if (tokens[1] == "unreadable")
                lastHole->unreadable = true;
            else if (tokens[1] == "null-subholes")
                lastHole->nullSubHoles = true;
            else
                return at.Fail(error, "unknown fault '" + tokens[1] + "' (unreadable or null-subholes)");
            expectedMax = 2;
        } else if (keyword == "orphan") {
            DemoEntity orphan;
            orphan.hasHole = false;
            drawing.entities.push_back(orphan);
            lastHole = nullptr;
        } else {
            return at.Fail(error, "unknown field '" + keyword + "'");
        }
        if (tokens.size() > expectedMax)
            return at.Fail(error, "unexpected '" + tokens[expectedMax] + "' after '" + keyword + "'");
    }
    return true;
}

bool LoadDrawingFile(const std::wstring& path, DemoDrawing& drawing, std::string& error)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) {
        error = "cannot open the drawing file";
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        error = "cannot read the drawing file";
        return false;
    }
    return ParseDrawing(content.str(), drawing, error);
}
