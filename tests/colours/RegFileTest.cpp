#include "RegFile.h"
#include "SlotColours.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<unsigned char> Utf16File(const std::wstring& text)
{
    std::vector<unsigned char> bytes = { 0xFF, 0xFE };
    for (wchar_t ch : text) {
        bytes.push_back(static_cast<unsigned char>(ch & 0xFF));
        bytes.push_back(static_cast<unsigned char>(ch >> 8));
    }
    return bytes;
}

std::vector<unsigned char> ByteFile(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

const wchar_t kHeader[] = L"Windows Registry Editor Version 5.00\r\n\r\n"
                          L"[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]\r\n";

} // namespace

TEST(RegFileFormat, WritesThePlatformsExportFormat)
{
    const std::vector<unsigned char> bytes = FormatColourRegFile(DefaultSlotNames());
    std::wstring expected = kHeader;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        expected += std::wstring(L"\"") + CategoryColorValues[slot].valueName + L"\"=\"" +
                    CategoryColorValues[slot].defaultColorName + L"\"\r\n";
    expected += L"\r\n";
    EXPECT_EQ(bytes, Utf16File(expected));

    SlotNames names;
    RegFileError error;
    ASSERT_TRUE(ParseColourRegFile(bytes, names, error)) << error.line;
    EXPECT_TRUE(names == DefaultSlotNames());
}

TEST(RegFileParse, ReadsOlderFilesInAnyLetterCaseAndSetsOnlyWhatTheyName)
{
    // REGEDIT4 in UTF-8, in ANSI, LF line ends, comments, blank lines, spaces around "=".
    const std::string regedit4 = "REGEDIT4\n\n; team standard\n[hkey_current_user\\software\\hallgrove\\pav\\RIMTONE]\n"
                                 "\"MCOLOR101\"=\"maincolor02\"\n  \"mColor1001\" = \"MainColor16\"  \n";
    for (const std::string& text : { regedit4, "\xEF\xBB\xBF" + regedit4, regedit4 + "; caf\xE9\n" }) {
        SlotNames names;
        RegFileError error;
        ASSERT_TRUE(ParseColourRegFile(ByteFile(text), names, error)) << error.line;
        EXPECT_TRUE(names[SlotDrill] == L"MAINCOLOR02");
        EXPECT_TRUE(names[SlotSlot] == L"MAINCOLOR16");
        EXPECT_TRUE(names[SlotUndetermined].IsEmpty());
        EXPECT_TRUE(names[SlotBoring].IsEmpty());
    }
}

TEST(RegFileParse, RefusesAFileWithOneBadLineAndNamesTheLine)
{
    struct Case
    {
        const wchar_t* line;
        const wchar_t* problem;
    };
    const Case cases[] = {
        { L"\"MAINCOLOR99\"=\"MAINCOLOR02\"", L"unknown value name \"MAINCOLOR99\"" },
        { L"\"mColor102\"=\"MAINCOLOR02\"", L"unknown value name \"mColor102\"" },
        { L"\"mColor101\"=\"MAINCOLOR17\"", L"\"MAINCOLOR17\" for mColor101 is not a palette colour" },
        { L"\"mColor101\"=\"MAINCOLOR6\"", L"is not a palette colour" },
        { L"\"mColor101\"=\"\"", L"\"\" for mColor101 is not a palette colour" },
        { L"[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Other]", L"another key" },
        { L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]", L"another key" },
        { L"[-HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]", L"deletes a key" },
        { L"\"mColor101\"=hex(1):4d,00,41,00", L"hex(1) data, not text" },
        { L"\"mColor101\"=hex:00", L"hex data, not text" },
        { L"\"mColor101\"=dword:00000005", L"dword data, not text" },
        { L"\"mColor101\"=MAINCOLOR02", L"not a quoted palette name" },
        { L"\"mColor101\"=-", L"deletes mColor101" },
        { L"\"mColor101\"=\"MAINCOL", L"cut off: the value has no closing quote" },
        { L"\"mColor101\"=", L"cut off: no value after =" },
        { L"\"mColor1", L"cut off: the value name has no closing quote" },
        { L"[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PA", L"cut off: the key has no closing ]" },
        { L"\"mColor101\"=\"MAINCOLOR02\" extra", L"unexpected text after" },
        { L"@=\"MAINCOLOR02\"", L"default value (@)" },
        { L"\"mColor000\"=\"MAINCOLOR02\"", L"mColor000 is set twice (first on line 4)" },
        { L"mColor101=MAINCOLOR02", L"neither a key nor a value line" },
        // What the file holds is shown escaped, so that a message never looks like a good name.
        { L"\"mColor101\"=\"MAINC\x01" L"OLOR02\"", L"\"MAINC\\x01OLOR02\" for mColor101 is not a palette colour" },
    };
    for (const Case& c : cases) {
        // Line 4 is good, line 5 is the bad one, line 6 is good again.
        const std::wstring text = std::wstring(kHeader) + L"\"mColor000\"=\"MAINCOLOR01\"\r\n" + c.line +
                                  L"\r\n\"mColor201\"=\"MAINCOLOR03\"\r\n";
        SlotNames names;
        names[SlotJG] = L"untouched";
        RegFileError error;
        EXPECT_FALSE(ParseColourRegFile(Utf16File(text), names, error)) << c.line;
        EXPECT_EQ(error.line, 5) << c.line;
        EXPECT_NE(error.message.find(c.problem), std::wstring::npos) << c.line << " -> " << error.message;
        EXPECT_TRUE(names[SlotJG] == L"untouched");
    }

    // A name of thousands of characters is cut in the message, not printed whole.
    const std::wstring longName(5000, L'A');
    SlotNames names;
    RegFileError error;
    EXPECT_FALSE(ParseColourRegFile(Utf16File(std::wstring(kHeader) + L"\"" + longName + L"\"=\"MAINCOLOR02\"\r\n"),
                                    names, error));
    EXPECT_EQ(error.line, 4);
    EXPECT_NE(error.message.find(L"unknown value name \"" + std::wstring(40, L'A') + L"...\""), std::wstring::npos)
        << error.message.substr(0, 100);
    EXPECT_LT(error.message.size(), 200u);
}

TEST(RegFileParse, RefusesWhatIsNotAColourFile)
{
    SlotNames names;
    RegFileError error;
    EXPECT_FALSE(ParseColourRegFile({}, names, error));
    EXPECT_EQ(error.line, 1);
    EXPECT_FALSE(ParseColourRegFile(ByteFile("Windows Registry Editor Version 4.00\r\n"), names, error));
    EXPECT_EQ(error.line, 1);
    EXPECT_FALSE(ParseColourRegFile(ByteFile("\"mColor101\"=\"MAINCOLOR02\"\r\n"), names, error));
    EXPECT_EQ(error.line, 1);

    // A value before any key line, and a file that sets nothing.
    EXPECT_FALSE(ParseColourRegFile(ByteFile("REGEDIT4\r\n\"mColor101\"=\"MAINCOLOR02\"\r\n"), names, error));
    EXPECT_EQ(error.line, 2);
    EXPECT_NE(error.message.find(L"before the key line"), std::wstring::npos);
    EXPECT_FALSE(ParseColourRegFile(Utf16File(kHeader), names, error));
    EXPECT_NE(error.message.find(L"sets no colour values"), std::wstring::npos);

    // UTF-16 big-endian, and UTF-8 marked as such that is not UTF-8.
    EXPECT_FALSE(ParseColourRegFile({ 0xFE, 0xFF, 0, 'R' }, names, error));
    EXPECT_FALSE(ParseColourRegFile(ByteFile("\xEF\xBB\xBFREGEDIT4\r\n\xFF\r\n"), names, error));
    // A file cut in the middle of its last line.
    std::vector<unsigned char> cut = FormatColourRegFile(DefaultSlotNames());
    cut.resize(cut.size() - 12);
    EXPECT_FALSE(ParseColourRegFile(cut, names, error));
    EXPECT_EQ(error.line, 15);
    EXPECT_NE(error.message.find(L"cut off"), std::wstring::npos);
    // UTF-16 with a stray last byte: complete lines, but not a whole number of characters.
    std::vector<unsigned char> odd = FormatColourRegFile(DefaultSlotNames());
    odd.push_back('A');
    EXPECT_FALSE(ParseColourRegFile(odd, names, error));
    EXPECT_NE(error.message.find(L"odd number of bytes"), std::wstring::npos);
}
