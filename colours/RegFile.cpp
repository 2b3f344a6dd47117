#include "RegFile.h"

#include "ModuleName.h"
#include "PaletteTable.h"
#include "PolicyKeys.h"
#include "RegistryString.h"

#include <ConsoleText.h>

#include <windows.h>

#include <initializer_list>

namespace {

const wchar_t kVersion5Header[] = L"Windows Registry Editor Version 5.00";
const wchar_t kVersion4Header[] = L"REGEDIT4";

bool StartsWith(const std::vector<unsigned char>& bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < prefix.size())
        return false;
    size_t index = 0;
    for (unsigned char byte : prefix) {
        if (bytes[index++] != byte)
            return false;
    }
    return true;
}

bool DecodeMultiByte(UINT codePage, DWORD flags, const char* data, size_t size, std::wstring& text)
{
    text.clear();
    if (size == 0)
        return true;
    const int length = ::MultiByteToWideChar(codePage, flags, data, static_cast<int>(size), nullptr, 0);
    if (length <= 0)
        return false;
    text.resize(static_cast<size_t>(length));
    return ::MultiByteToWideChar(codePage, flags, data, static_cast<int>(size), text.data(), length) == length;
}

// UTF-16 LE when the file starts with its byte-order mark; otherwise UTF-8 when the bytes are valid
// UTF-8, else the ANSI code page (what older tools wrote).
bool DecodeFile(const std::vector<unsigned char>& bytes, std::wstring& text, RegFileError& error)
{
    if (StartsWith(bytes, { 0xFF, 0xFE })) {
        if (bytes.size() % 2 != 0) {
            error = { 0, L"the file is UTF-16 but has an odd number of bytes: it was cut off or damaged" };
            return false;
        }
        const size_t count = (bytes.size() - 2) / 2;
        text.resize(count);
        for (size_t i = 0; i < count; ++i)
            text[i] = static_cast<wchar_t>(bytes[2 + 2 * i] | (bytes[3 + 2 * i] << 8));
        return true;
    }
    if (StartsWith(bytes, { 0xFE, 0xFF })) {
        error = { 1, L"the file is UTF-16 big-endian; save it as UTF-16 LE (Unicode), UTF-8 or ANSI" };
        return false;
    }
    const bool utf8Mark = StartsWith(bytes, { 0xEF, 0xBB, 0xBF });
    const char* data = reinterpret_cast<const char*>(bytes.data()) + (utf8Mark ? 3 : 0);
    const size_t size = bytes.size() - (utf8Mark ? 3 : 0);
    if (DecodeMultiByte(CP_UTF8, MB_ERR_INVALID_CHARS, data, size, text))
        return true;
    if (utf8Mark) {
        error = { 0, L"the file starts as UTF-8 but holds bytes that are not UTF-8" };
        return false;
    }
    return DecodeMultiByte(CP_ACP, 0, data, size, text);
}

std::vector<std::wstring> SplitLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t ch = text[i];
        if (ch == L'\r' || ch == L'\n') {
            lines.push_back(line);
            line.clear();
            if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
        } else {
            line += ch;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::wstring Trimmed(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    const size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

bool EqualNoCase(const std::wstring& first, const std::wstring& second)
{
    return CString(first.c_str()).CompareNoCase(second.c_str()) == 0;
}

// Reads a quoted string starting at `position` (on the opening quote) with the .reg escapes \\ and
// \"; leaves `position` after the closing quote. False when the line ends first.
bool ReadQuoted(const std::wstring& line, size_t& position, std::wstring& text)
{
    text.clear();
    for (size_t i = position + 1; i < line.size(); ++i) {
        const wchar_t ch = line[i];
        if (ch == L'\\') {
            if (i + 1 >= line.size())
                return false;
            text += line[++i];
        } else if (ch == L'"') {
            position = i + 1;
            return true;
        } else {
            text += ch;
        }
    }
    return false;
}

int FindSlot(const std::wstring& valueName)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (EqualNoCase(valueName, CategoryColorValues[slot].valueName))
            return slot;
    }
    return -1;
}

// Checks one value line and stores its palette name; false with the reason otherwise.
bool ReadValueLine(const std::wstring& line, SlotNames& names,
                   std::vector<int>& setOnLine, int lineNumber, std::wstring& problem)
{
    if (line[0] == L'@') {
        problem = L"the key's default value (@) is not one of the colour values";
        return false;
    }
    size_t position = 0;
    std::wstring valueName;
    if (!ReadQuoted(line, position, valueName)) {
        problem = L"the line is cut off: the value name has no closing quote";
        return false;
    }
    const int slot = FindSlot(valueName);
    if (slot < 0) {
        problem = L"unknown value name \"" + OneLine(valueName, 40) +
                  L"\": the colour values are mColor000, mColor101 ... mColor1001";
        return false;
    }
    const std::wstring rest = Trimmed(line.substr(position));
    if (rest.empty() || rest[0] != L'=') {
        problem = rest.empty() ? L"the line is cut off after the value name" : L"expected = after the value name";
        return false;
    }
    const std::wstring data = Trimmed(rest.substr(1));
    if (data.empty()) {
        problem = L"the line is cut off: no value after =";
        return false;
    }
    if (data == L"-") {
        problem = L"the line deletes " + valueName + L"; a colour file only sets palette names";
        return false;
    }
    if (data[0] != L'"') {
        const size_t colon = data.find(L':');
        if (colon != std::wstring::npos && (data.compare(0, 3, L"hex") == 0 || data.compare(0, 5, L"dword") == 0))
            problem = L"the value of " + valueName + L" is " + OneLine(data.substr(0, colon), 40) +
                      L" data, not text; only a quoted palette name can be imported";
        else
            problem = L"the value of " + valueName + L" is not a quoted palette name";
        return false;
    }
    size_t dataPosition = 0;
    std::wstring colourName;
    if (!ReadQuoted(data, dataPosition, colourName)) {
        problem = L"the line is cut off: the value has no closing quote";
        return false;
    }
    if (dataPosition != data.size()) {
        problem = L"unexpected text after the value's closing quote";
        return false;
    }
    const FoundColor colour = FindMainColor(colourName.c_str());
    if (colour.row == 0) {
        problem = L"\"" + OneLine(colourName, 40) + L"\" for " + valueName +
                  L" is not a palette colour (MAINCOLOR01 to MAINCOLOR16)";
        return false;
    }
    if (setOnLine[slot] != 0) {
        problem = std::wstring(CategoryColorValues[slot].valueName) + L" is set twice (first on line " +
                  std::to_wstring(setOnLine[slot]) + L")";
        return false;
    }
    setOnLine[slot] = lineNumber;
    names[slot] = colour.entry.m_strName;
    return true;
}

void AppendUtf16(std::vector<unsigned char>& bytes, const std::wstring& text)
{
    for (wchar_t ch : text) {
        bytes.push_back(static_cast<unsigned char>(ch & 0xFF));
        bytes.push_back(static_cast<unsigned char>((ch >> 8) & 0xFF));
    }
}

} // namespace

std::wstring SettingsRegKeyName()
{
    return std::wstring(L"HKEY_CURRENT_USER\\") + static_cast<LPCWSTR>(MakeSettingsKeyPath(ModuleName));
}

std::wstring PolicyRegKeyName(bool user, bool defaults)
{
    return std::wstring(user ? L"HKEY_CURRENT_USER\\" : L"HKEY_LOCAL_MACHINE\\") + PolicyKeyPath +
           (defaults ? std::wstring(L"\\") + PolicyDefaultsSubKey : std::wstring());
}

bool ParseColourRegFile(const std::vector<unsigned char>& bytes, SlotNames& names, RegFileError& error)
{
    std::wstring text;
    if (!DecodeFile(bytes, text, error))
        return false;
    if (text.find(L'\0') != std::wstring::npos) {
        error = { 0, L"the file holds NUL characters: it is not a text file in a known encoding" };
        return false;
    }
    const std::vector<std::wstring> lines = SplitLines(text);
    if (lines.empty() || (Trimmed(lines[0]) != kVersion5Header && Trimmed(lines[0]) != kVersion4Header)) {
        error = { 1, L"not a registry file: the first line must be \"Windows Registry Editor Version 5.00\" "
                     L"or \"REGEDIT4\"" };
        return false;
    }

    SlotNames found;
    std::vector<int> setOnLine(CategorySlotCount, 0);
    bool inSettingsKey = false;
    int valueCount = 0;
    for (size_t index = 1; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        const std::wstring line = Trimmed(lines[index]);
        if (line.empty() || line[0] == L';')
            continue;
        std::wstring problem;
        if (line[0] == L'[') {
            if (line.back() != L']') {
                problem = L"the line is cut off: the key has no closing ]";
            } else {
                const std::wstring key = line.substr(1, line.size() - 2);
                if (!key.empty() && key[0] == L'-')
                    problem = L"the line deletes a key; a colour file only sets values of [" + SettingsRegKeyName() + L"]";
                else if (!EqualNoCase(key, SettingsRegKeyName()))
                    problem = L"another key [" + OneLine(key, 260) + L"]; only values of [" +
                              SettingsRegKeyName() + L"] can be imported";
                else
                    inSettingsKey = true;
            }
        } else if (line[0] == L'"' || line[0] == L'@') {
            if (!inSettingsKey)
                problem = L"a value before the key line [" + SettingsRegKeyName() + L"]";
            else if (ReadValueLine(line, found, setOnLine, lineNumber, problem))
                ++valueCount;
        } else {
            problem = L"neither a key nor a value line";
        }
        if (!problem.empty()) {
            error = { lineNumber, problem };
            return false;
        }
    }
    if (valueCount == 0) {
        error = { static_cast<int>(lines.size()), L"the file sets no colour values of [" + SettingsRegKeyName() + L"]" };
        return false;
    }
    names = found;
    return true;
}

std::vector<unsigned char> FormatColourRegFile(const SlotNames& names)
{
    return FormatColourRegFile(SettingsRegKeyName(), names);
}

std::vector<unsigned char> FormatColourRegFile(const std::wstring& keyName, const SlotNames& names)
{
    std::wstring text = std::wstring(kVersion5Header) + L"\r\n\r\n[" + keyName + L"]\r\n";
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (names[slot].IsEmpty())
            continue;
        text += L"\"" + std::wstring(CategoryColorValues[slot].valueName) + L"\"=\"" +
                static_cast<LPCWSTR>(names[slot]) + L"\"\r\n";
    }
    text += L"\r\n";
    std::vector<unsigned char> bytes = { 0xFF, 0xFE };
    AppendUtf16(bytes, text);
    return bytes;
}
