#include "DrawingFileReader.h"

#include <ConsoleText.h>
#include <FileHandle.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::string Reason(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "no such file";
    case ERROR_ACCESS_DENIED:
        return "access denied";
    case ERROR_SHARING_VIOLATION:
        return "in use by another program";
    case ERROR_INVALID_NAME:
        return "not a valid file name";
    default:
        return "Windows error " + std::to_string(error);
    }
}

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

// Splits the bytes of a file into lines for the parser, decoding UTF-16 to UTF-8 on the way.
class LineSplitter
{
public:
    explicit LineSplitter(DrawingParser& parser) : m_parser(parser) {}

    // Takes the first bytes of the file: finds the encoding and skips a UTF-16 byte-order mark.
    bool Start(const unsigned char* bytes, size_t count, size_t& skip, std::string& error)
    {
        skip = 0;
        if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
            m_encoding = Encoding::Utf16LittleEndian;
            skip = 2;
        } else if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
            m_encoding = Encoding::Utf16BigEndian;
            skip = 2;
        } else if (count >= 2 && (bytes[0] == 0) != (bytes[1] == 0)) {
            error = "looks like UTF-16 without a byte-order mark (save it as UTF-8, or as UTF-16 with one)";
            return false;
        }
        return true;
    }

    bool Take(const unsigned char* bytes, size_t count, std::string& error)
    {
        if (m_encoding == Encoding::Utf8)
            return TakeUtf8(bytes, count, error);
        for (size_t i = 0; i < count; ++i) {
            if (m_pendingByte < 0) {
                m_pendingByte = bytes[i];
                continue;
            }
            const unsigned first = static_cast<unsigned>(m_pendingByte);
            m_pendingByte = -1;
            const wchar_t unit = static_cast<wchar_t>(m_encoding == Encoding::Utf16LittleEndian
                                                          ? first | (bytes[i] << 8) : (first << 8) | bytes[i]);
            if (unit != L'\n') {
                m_wideLine += unit;
                continue;
            }
            if (!m_parser.ParseLine(Utf8Of(m_wideLine), error))
                return false;
            m_wideLine.clear();
        }
        return true;
    }

    bool Finish(std::string& error)
    {
        if (m_pendingByte >= 0) {
            error = "line " + std::to_string(m_parser.LineNumber() + 1) + ": the file ends inside a UTF-16 character";
            return false;
        }
        if (!m_line.empty())
            return m_parser.ParseLine(std::move(m_line), error);
        if (!m_wideLine.empty())
            return m_parser.ParseLine(Utf8Of(m_wideLine), error);
        return true;
    }

private:
    bool TakeUtf8(const unsigned char* bytes, size_t count, std::string& error)
    {
        const char* at = reinterpret_cast<const char*>(bytes);
        const char* const end = at + count;
        while (at < end) {
            const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
            if (!lineEnd) {
                m_line.append(at, end);
                return true;
            }
            m_line.append(at, lineEnd);
            if (!m_parser.ParseLine(std::move(m_line), error))
                return false;
            m_line.clear();
            at = lineEnd + 1;
        }
        return true;
    }

    DrawingParser& m_parser;
    Encoding m_encoding = Encoding::Utf8;
    std::string m_line;
    std::wstring m_wideLine;
    int m_pendingByte = -1;
};

} // namespace

std::wstring WindowsDeviceName(const std::wstring& path)
{
    const size_t folderEnd = path.find_last_of(L"\\/:");
    std::wstring name = path.substr(folderEnd == std::wstring::npos ? 0 : folderEnd + 1);
    name.erase(std::min(name.find(L'.'), name.size()));
    while (!name.empty() && name.back() == L' ')
        name.pop_back();
    for (wchar_t& c : name) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    for (const wchar_t* device : { L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$" }) {
        if (name == device)
            return name;
    }
    const bool numbered = name.size() == 4 && (name.compare(0, 3, L"COM") == 0 || name.compare(0, 3, L"LPT") == 0) &&
                          name[3] >= L'1' && name[3] <= L'9';
    return numbered ? name : std::wstring();
}

bool LoadDrawingFile(const std::wstring& path, DemoDrawing& drawing, std::string& error)
{
    drawing.entities.clear();
    const std::wstring device = WindowsDeviceName(path);
    if (!device.empty()) {
        error = "the name of the Windows device " + Utf8Of(device) + ", not a drawing file";
        return false;
    }
    const char notRegular[] = "not a regular file (a pipe or a device), not a drawing file";
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // Wine refuses a Unix pipe or socket outright, with ERROR_INVALID_PARAMETER.
        const DWORD reason = ::GetLastError();
        error = reason == ERROR_INVALID_PARAMETER ? notRegular : "cannot open the drawing file: " + Reason(reason);
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = "a folder, not a drawing file";
        return false;
    }
    const FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsOpen()) {
        error = "cannot open the drawing file: " + Reason(::GetLastError());
        return false;
    }
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        error = notRegular;
        return false;
    }

    DrawingParser parser(drawing);
    LineSplitter lines(parser);
    std::vector<unsigned char> buffer(64 * 1024);
    for (bool first = true;; first = false) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
            error = "cannot read the drawing file: " + Reason(::GetLastError());
            return false;
        }
        if (got == 0)
            break;
        size_t skip = 0;
        if (first && !lines.Start(buffer.data(), got, skip, error))
            return false;
        if (!lines.Take(buffer.data() + skip, got - skip, error))
            return false;
    }
    return lines.Finish(error);
}
