#include "BinaryFile.h"
#include "ColourCheck.h"
#include "ColoursTool.h"
#include "RegistrySandbox.h"
#include "StoredColours.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";

struct ToolRun
{
    int code = -1;
    std::wstring out;
    std::wstring err;
};

ToolRun RunTool(std::vector<std::wstring> args)
{
    ToolRun run;
    run.code = RunColoursTool(args, run.out, run.err);
    return run;
}

// Every value under the key with its type and bytes, to show that something wrote nothing.
std::map<std::wstring, RegistryValueCopy> Snapshot()
{
    std::map<std::wstring, RegistryValueCopy> values;
    for (const CategoryColorValue& value : CategoryColorValues) {
        RegistryValueCopy copy;
        EXPECT_TRUE(CopyRegistryValue(kKey, value.valueName, copy));
        values[value.valueName] = copy;
    }
    return values;
}

using Values = std::map<std::wstring, RegistryValueCopy>;

bool Same(const Values& first, const Values& second)
{
    for (const auto& [name, a] : first) {
        const RegistryValueCopy& b = second.at(name);
        if (a.exists != b.exists || a.type != b.type || a.data != b.data)
            return false;
    }
    return first.size() == second.size();
}

std::wstring Stored(LPCWSTR valueName)
{
    std::wstring text;
    return GetStringValue(kKey, valueName, text) ? text : L"(missing)";
}

// The first line of the text that holds `word`.
std::wstring LineOf(const std::wstring& text, const std::wstring& word)
{
    const size_t at = text.find(L" " + word + L" ");
    if (at == std::wstring::npos)
        return std::wstring();
    const size_t start = text.rfind(L'\n', at) + 1;
    return text.substr(start, text.find(L'\n', at) - start);
}

// The text with every run of spaces as one, without leading or trailing ones.
std::wstring Words(const std::wstring& text)
{
    std::wstring words;
    for (wchar_t ch : text) {
        if (ch != L' ' || (!words.empty() && words.back() != L' ' && words.back() != L','))
            words += ch;
    }
    while (!words.empty() && words.back() == L' ')
        words.pop_back();
    return words;
}

class TempFile
{
public:
    explicit TempFile(const wchar_t* stem)
    {
        wchar_t folder[MAX_PATH];
        ::GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + stem + std::to_wstring(::GetCurrentProcessId()) + L".reg";
    }
    ~TempFile() { ::DeleteFileW(m_path.c_str()); }
    const std::wstring& Path() const { return m_path; }

    void Write(const std::string& text) const
    {
        std::wstring problem;
        ASSERT_TRUE(WriteWholeFile(m_path, std::vector<unsigned char>(text.begin(), text.end()), problem));
    }

private:
    std::wstring m_path;
};

std::vector<unsigned char> ReadBytes(const std::wstring& path)
{
    std::vector<unsigned char> bytes;
    std::wstring problem;
    EXPECT_TRUE(ReadWholeFile(path, 1 << 20, bytes, problem)) << std::string(problem.begin(), problem.end());
    return bytes;
}

class ColoursToolTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;
};

// The 5th write fails; the ones before it reach the registry.
int g_writes = 0;
bool FailOnFifthWrite(CString subKey, CString valueName, CString text)
{
    return ++g_writes != 5 && WriteSettingString(subKey, valueName, text);
}

} // namespace

TEST_F(ColoursToolTest, ShowCheckAndExportWriteNothing)
{
    TempFile file(L"rimtone-export-");
    EXPECT_EQ(RunTool({ L"show" }).code, ExitOk);
    EXPECT_EQ(RunTool({ L"check" }).code, ExitFlagged);
    EXPECT_EQ(RunTool({ L"check", L"--csv" }).code, ExitFlagged);
    EXPECT_EQ(RunTool({ L"export", file.Path() }).code, ExitOk);
    EXPECT_FALSE(KeyExists(kKey));

    // Every kind of stored value, shown as the next load will take it, and left exactly as it was.
    const DWORD number = 5;
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"maincolor02"));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR99"));
    ASSERT_TRUE(SetRawValue(kKey, L"mColor301", REG_DWORD, &number, sizeof number));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor401", std::wstring(127, L'x')));
    const auto before = Snapshot();

    const ToolRun show = RunTool({ L"show" });
    EXPECT_EQ(show.code, ExitOk);
    EXPECT_EQ(Words(LineOf(show.out, L"mColor101")), L"drill mColor101 \"maincolor02\" MAINCOLOR02 1 0,192,255");
    EXPECT_EQ(Words(LineOf(show.out, L"mColor201")),
              L"boring mColor201 \"MAINCOLOR99\" MAINCOLOR01 0 255,255,255 (not a palette colour: loads as colour 0)");
    EXPECT_EQ(Words(LineOf(show.out, L"mColor301")), L"reamer mColor301 of another type (REG_DWORD) MAINCOLOR01 0 "
                                                     L"255,255,255 (not a palette colour: loads as colour 0)");
    EXPECT_EQ(Words(LineOf(show.out, L"mColor401")), L"tap mColor401 unreadable MAINCOLOR08 7 0,128,255 (the default)");
    EXPECT_EQ(Words(LineOf(show.out, L"mColor501")),
              L"counterbore mColor501 missing MAINCOLOR09 8 255,255,0 (the default)");

    const ToolRun check = RunTool({ L"check" });
    EXPECT_EQ(check.code, ExitFlagged);
    EXPECT_NE(check.out.find(L"Not a palette colour: boring mColor201 holds \"MAINCOLOR99\""), std::wstring::npos);

    const ToolRun exported = RunTool({ L"export", file.Path() });
    EXPECT_EQ(exported.code, ExitOk);
    EXPECT_NE(exported.err.find(L"mColor201 holds \"MAINCOLOR99\", not a palette colour; exported as MAINCOLOR01"),
              std::wstring::npos);
    EXPECT_TRUE(Same(Snapshot(), before));

    // The export holds what the next load uses, so importing it elsewhere gives the same colours.
    SlotNames names;
    RegFileError error;
    ASSERT_TRUE(ParseColourRegFile(ReadBytes(file.Path()), names, error));
    EXPECT_TRUE(names == UsedNames(ReadStoredColours()));
    EXPECT_TRUE(names[SlotDrill] == L"MAINCOLOR02");
    EXPECT_TRUE(names[SlotTap] == L"MAINCOLOR08");
}

TEST_F(ColoursToolTest, ExportImportRoundTripAndReplace)
{
    TempFile file(L"rimtone-roundtrip-");
    ASSERT_EQ(RunTool({ L"suggest", L"--write", file.Path() }).code, ExitOk);
    const ToolRun imported = RunTool({ L"import", file.Path() });
    ASSERT_EQ(imported.code, ExitOk) << std::string(imported.err.begin(), imported.err.end());
    EXPECT_NE(imported.out.find(L"12 values changed"), std::wstring::npos);
    const SlotNames suggested = SuggestSlotNames(CheckOptions()).names;
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        EXPECT_EQ(Stored(CategoryColorValues[slot].valueName), static_cast<LPCWSTR>(suggested[slot]));

    TempFile again(L"rimtone-again-");
    ASSERT_EQ(RunTool({ L"export", again.Path() }).code, ExitOk);
    EXPECT_EQ(ReadBytes(again.Path()), ReadBytes(file.Path()));

    // Two values: without --replace the other ten stay, with it they get their defaults.
    file.Write("REGEDIT4\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]\r\n"
               "\"mColor101\"=\"maincolor12\"\r\n\"mColor1001\"=\"MAINCOLOR13\"\r\n");
    ASSERT_EQ(RunTool({ L"import", file.Path() }).code, ExitOk);
    EXPECT_EQ(Stored(L"mColor101"), L"MAINCOLOR12");
    EXPECT_EQ(Stored(L"mColor000"), static_cast<LPCWSTR>(suggested[SlotUndetermined]));
    EXPECT_EQ(Stored(L"mColor401"), static_cast<LPCWSTR>(suggested[SlotTap]));
    ASSERT_EQ(RunTool({ L"import", file.Path(), L"--replace" }).code, ExitOk);
    EXPECT_EQ(Stored(L"mColor101"), L"MAINCOLOR12");
    EXPECT_EQ(Stored(L"mColor1001"), L"MAINCOLOR13");
    EXPECT_EQ(Stored(L"mColor401"), L"MAINCOLOR08");
    EXPECT_EQ(Stored(L"mColor201"), L"MAINCOLOR06");

    ASSERT_EQ(RunTool({ L"reset" }).code, ExitOk);
    for (const CategoryColorValue& value : CategoryColorValues)
        EXPECT_EQ(Stored(value.valueName), value.defaultColorName);
}

TEST_F(ColoursToolTest, AFileWithOneBadLineWritesNothingAndNamesTheLine)
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"MAINCOLOR02"));
    const auto before = Snapshot();
    TempFile file(L"rimtone-bad-");
    file.Write("REGEDIT4\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]\r\n"
               "\"mColor000\"=\"MAINCOLOR03\"\r\n\"MAINCOLOR99\"=\"MAINCOLOR02\"\r\n\"mColor201\"=\"MAINCOLOR03\"\r\n");
    for (const wchar_t* option : { L"", L"--replace" }) {
        std::vector<std::wstring> args = { L"import", file.Path() };
        if (*option)
            args.push_back(option);
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, ExitBadInput);
        EXPECT_NE(run.err.find(file.Path() + L":4: unknown value name \"MAINCOLOR99\""), std::wstring::npos)
            << std::string(run.err.begin(), run.err.end());
        EXPECT_NE(run.err.find(L"nothing was written"), std::wstring::npos);
        EXPECT_TRUE(Same(Snapshot(), before));
    }
    EXPECT_EQ(RunTool({ L"check", file.Path() }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"import", file.Path() + L".missing" }).code, ExitBadInput);
    EXPECT_TRUE(Same(Snapshot(), before));
}

namespace {

// The lines of the text hold no character that breaks a line or acts on a terminal: C0 other than
// the line feeds that end them, DEL, C1 (U+0085 among them), U+2028 and U+2029.
::testing::AssertionResult EveryMessageIsOneLine(const std::wstring& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\n')
            continue;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
            return ::testing::AssertionFailure() << "U+" << std::hex << static_cast<unsigned>(c) << " at " << std::dec
                                                 << i << " of " << std::string(text.begin(), text.end());
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(ColoursToolTest, NamesWithLineSeparatorsOrC1ControlsAreEscapedInTheMessages)
{
    const std::string head = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]\r\n";
    TempFile file(L"rimtone-separators-");
    // A palette name with a line separator after it (UTF-8 E2 80 A8), then a value name with a
    // next-line control (C2 85) in it.
    file.Write(head + "\"mColor101\"=\"MAINCOLOR06\xE2\x80\xA8\"\r\n");
    ToolRun run = RunTool({ L"import", file.Path() });
    EXPECT_EQ(run.code, ExitBadInput);
    EXPECT_NE(run.err.find(L":4: \"MAINCOLOR06\\u2028\" for mColor101 is not a palette colour"), std::wstring::npos)
        << std::string(run.err.begin(), run.err.end());
    EXPECT_TRUE(EveryMessageIsOneLine(run.err));

    file.Write(head + "\"mColor\xC2\x85" "101\"=\"MAINCOLOR06\"\r\n");
    run = RunTool({ L"check", file.Path() });
    EXPECT_EQ(run.code, ExitBadInput);
    EXPECT_NE(run.err.find(L":4: unknown value name \"mColor\\u0085" L"101\""), std::wstring::npos)
        << std::string(run.err.begin(), run.err.end());
    EXPECT_TRUE(EveryMessageIsOneLine(run.err));

    // A file name with a control character in it, and a stored value with both.
    run = RunTool({ L"import", L"no\x1B[2Jsuch.reg" });
    EXPECT_NE(run.err.find(L"no\\x1B[2Jsuch.reg"), std::wstring::npos) << std::string(run.err.begin(), run.err.end());
    EXPECT_TRUE(EveryMessageIsOneLine(run.err));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR06\u2029\u0085"));
    run = RunTool({ L"show" });
    EXPECT_NE(run.out.find(L"\"MAINCOLOR06\\u2029\\u0085\""), std::wstring::npos);
    EXPECT_TRUE(EveryMessageIsOneLine(run.out));
    run = RunTool({ L"check" });
    EXPECT_NE(run.out.find(L"boring mColor201 holds \"MAINCOLOR06\\u2029\\u0085\""), std::wstring::npos);
    EXPECT_TRUE(EveryMessageIsOneLine(run.out));
}

TEST_F(ColoursToolTest, AKeyThatCannotBeWrittenKeepsEveryValue)
{
    for (const CategoryColorValue& value : CategoryColorValues)
        ASSERT_TRUE(SetStringValue(kKey, value.valueName, L"MAINCOLOR10"));
    ASSERT_TRUE(SetKeyDacl(kKey, L"D:P(A;;KR;;;WD)"));
    const auto before = Snapshot();
    const ToolRun reset = RunTool({ L"reset" });
    EXPECT_EQ(reset.code, ExitBadInput);
    EXPECT_NE(reset.err.find(L"cannot write mColor000"), std::wstring::npos);
    EXPECT_NE(reset.err.find(L"nothing was changed"), std::wstring::npos);
    EXPECT_TRUE(Same(Snapshot(), before));
}

TEST_F(ColoursToolTest, AWriteThatFailsPartWayPutsBackWhatWasWritten)
{
    // Values of every kind before: text, another type, missing.
    const DWORD number = 7;
    ASSERT_TRUE(SetStringValue(kKey, L"mColor000", L"MAINCOLOR10"));
    ASSERT_TRUE(SetRawValue(kKey, L"mColor101", REG_DWORD, &number, sizeof number));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"maincolor16"));
    const auto before = Snapshot();

    g_writes = 0;
    std::wstring problem;
    EXPECT_FALSE(WriteSlotNames(DefaultSlotNames(), problem, FailOnFifthWrite));
    EXPECT_EQ(g_writes, 5);
    EXPECT_NE(problem.find(L"cannot write mColor401"), std::wstring::npos);
    EXPECT_NE(problem.find(L"the 4 values already written were put back"), std::wstring::npos);
    EXPECT_TRUE(Same(Snapshot(), before));
    EXPECT_FALSE(before.at(L"mColor301").exists);
}

TEST_F(ColoursToolTest, CheckFlagsTheDefaultsSharedColours)
{
    const ToolRun check = RunTool({ L"check" });
    EXPECT_EQ(check.code, ExitFlagged);
    EXPECT_NE(check.out.find(L"MAINCOLOR06: drill mColor101, boring mColor201, JG mColor601, JB mColor701"),
              std::wstring::npos)
        << std::string(check.out.begin(), check.out.end());
    EXPECT_NE(check.out.find(L"MAINCOLOR04: reamer mColor301, WC mColor801"), std::wstring::npos);
    EXPECT_NE(check.out.find(L"\u0394E00 below 5.0"), std::wstring::npos);

    const CheckResult result = CheckColours(ResolveSlotNames(DefaultSlotNames()), CheckOptions());
    ASSERT_EQ(result.sharedColours.size(), 2u);
    EXPECT_EQ(result.sharedColours[0], (std::vector<int>{ SlotDrill, SlotBoring, SlotJG, SlotJB }));
    EXPECT_EQ(result.sharedColours[1], (std::vector<int>{ SlotReamer, SlotWC }));
    // MAINCOLOR03 and MAINCOLOR05, green and yellow, nearly merge under protanopia.
    ASSERT_FALSE(result.similarPairs.empty());
    EXPECT_EQ(result.smallestDistinct.vision, Vision::Protanopia);
    EXPECT_EQ(result.smallestDistinct.first, SlotTapSecond);
    EXPECT_EQ(result.smallestDistinct.second, SlotMilling);

    // White lines vanish on a white background; a higher threshold flags more pairs.
    CheckOptions white;
    white.whiteBackground = true;
    EXPECT_EQ(CheckColours(ResolveSlotNames(DefaultSlotNames()), white).lowContrast.front().slot, SlotUndetermined);
    EXPECT_NE(RunTool({ L"check", L"--background", L"white" }).out.find(L"undetermined mColor000"), std::wstring::npos);
    CheckOptions strict;
    strict.threshold = 10;
    EXPECT_GT(CheckColours(ResolveSlotNames(DefaultSlotNames()), strict).similarPairs.size(), result.similarPairs.size());
}

TEST_F(ColoursToolTest, CsvHasOneRowPerPairAndVision)
{
    const ToolRun csv = RunTool({ L"check", L"--csv", L"--threshold", L"1" });
    EXPECT_EQ(csv.code, ExitFlagged);
    std::vector<std::wstring> lines;
    for (size_t start = 0, end; (end = csv.out.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(csv.out.substr(start, end - start));
    ASSERT_EQ(lines.size(), 1u + 4u * 66u);
    EXPECT_EQ(lines[0], L"vision,value_a,value_b,name_a,name_b,delta_e00");
    EXPECT_EQ(lines[1].substr(0, 51), L"normal,mColor000,mColor101,MAINCOLOR01,MAINCOLOR06,");
    EXPECT_EQ(lines[66], L"normal,mColor901,mColor1001,MAINCOLOR05,MAINCOLOR11,"
                         + lines[66].substr(lines[66].rfind(L',') + 1));
    EXPECT_EQ(lines[2], L"normal,mColor000,mColor201,MAINCOLOR01,MAINCOLOR06," + lines[1].substr(51));
    EXPECT_EQ(lines[1 + 66].substr(0, 11), L"protanopia,");
    EXPECT_EQ(lines[1 + 3 * 66].substr(0, 11), L"tritanopia,");
    // Drill and boring share MAINCOLOR06: 0.00 under every vision, two decimals.
    size_t zeros = 0;
    for (const std::wstring& line : lines)
        zeros += line.find(L",mColor101,mColor201,MAINCOLOR06,MAINCOLOR06,0.00") != std::wstring::npos;
    EXPECT_EQ(zeros, 4u);
}

TEST_F(ColoursToolTest, SuggestKeepsEveryPairFurtherApartThanTheDefaults)
{
    const Suggestion suggestion = SuggestSlotNames(CheckOptions());
    const SlotColours colours = ResolveSlotNames(suggestion.names);
    for (int first = 0; first < CategorySlotCount; ++first)
        for (int second = first + 1; second < CategorySlotCount; ++second)
            EXPECT_NE(colours[first].number, colours[second].number);
    const double defaults = CheckColours(ResolveSlotNames(DefaultSlotNames()), CheckOptions()).smallestDistinct.deltaE;
    EXPECT_GT(SmallestDifference(colours), defaults);
    EXPECT_GT(SmallestDifference(colours), 6.5);
    EXPECT_TRUE(suggestion.keepsContrast);
    EXPECT_EQ(suggestion.candidates, 14);

    // The suggestion passes its own check on a black background, and is the same every time.
    TempFile file(L"rimtone-suggest-");
    ASSERT_EQ(RunTool({ L"suggest", L"--write", file.Path() }).code, ExitOk);
    EXPECT_EQ(RunTool({ L"check", file.Path() }).code, ExitOk);
    EXPECT_TRUE(SuggestSlotNames(CheckOptions()).names == suggestion.names);
    EXPECT_FALSE(KeyExists(kKey));
}

TEST_F(ColoursToolTest, PresetsAreExactlyWhatTheToolWrites)
{
    TempFile defaults(L"rimtone-defaults-");
    ASSERT_EQ(RunTool({ L"export", defaults.Path() }).code, ExitOk);
    EXPECT_EQ(ReadBytes(defaults.Path()), ReadBytes(RIMTONE_PRESETS_DIR L"/default.reg"));
    TempFile suggested(L"rimtone-colour-vision-");
    ASSERT_EQ(RunTool({ L"suggest", L"--write", suggested.Path() }).code, ExitOk);
    EXPECT_EQ(ReadBytes(suggested.Path()), ReadBytes(RIMTONE_PRESETS_DIR L"/colour-vision.reg"));
}

TEST_F(ColoursToolTest, BadCommandLinesExitWithTwo)
{
    EXPECT_EQ(RunTool({}).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"paint" }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"export" }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"import", L"a.reg", L"b.reg" }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"check", L"--background", L"pink" }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"check", L"--threshold", L"ten" }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"check", L"--threshold" }).code, ExitBadInput);
    EXPECT_EQ(RunTool({ L"reset", L"--force" }).code, ExitBadInput);
    const ToolRun help = RunTool({ L"--help" });
    EXPECT_EQ(help.code, ExitOk);
    for (const wchar_t* command : { L"show", L"export", L"import", L"reset", L"check", L"suggest" })
        EXPECT_NE(help.out.find(std::wstring(L"  ") + command), std::wstring::npos) << command;
    EXPECT_FALSE(KeyExists(kKey));
}

namespace {

// Runs Wine's reg.exe, a program of its own that the registry sandbox does not reach.
bool RunRegImport(const std::wstring& file)
{
    return _wsystem((L"reg.exe import \"" + file + L"\" >nul 2>&1").c_str()) == 0;
}

// A mixed scheme: machine and user locks, a site default for a missing value, the user's values.
void SetMixedScheme()
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"MAINCOLOR02"));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor501", L"maincolor07"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor101", L"MAINCOLOR12"));
    ASSERT_TRUE(SetPolicyString(HKEY_CURRENT_USER, false, L"mColor201", L"maincolor13"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, true, L"mColor301", L"MAINCOLOR14"));
    ASSERT_TRUE(SetPolicyString(HKEY_CURRENT_USER, true, L"mColor401", L"MAINCOLOR15"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"AdministratorNote", L"Design standard, ext. 1234"));
}

} // namespace

TEST_F(ColoursToolTest, ShowTellsWhereEachColourComesFromAndWhichPolicyValuesAreIgnored)
{
    SetMixedScheme();
    const DWORD number = 11;
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor701", L"MAINCOLOR17"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor801", L""));
    ASSERT_TRUE(SetPolicyValue(HKEY_LOCAL_MACHINE, true, L"mColor901", REG_DWORD, &number, sizeof number));
    ASSERT_TRUE(SetPolicyString(HKEY_CURRENT_USER, false, L"mColor1001", std::wstring(149, L'x')));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColour000", L"MAINCOLOR02"));
    ASSERT_TRUE(SetPolicyString(HKEY_CURRENT_USER, false, L"mColor101", L"MAINCOLOR16"));
    const auto before = Snapshot();
    const ToolRun show = RunTool({ L"show" });
    EXPECT_EQ(show.code, ExitOk);
    const std::pair<const wchar_t*, const wchar_t*> lines[] = {
        { L"mColor101", L"drill mColor101 \"MAINCOLOR02\" MAINCOLOR12 11 0,0,255 (locked by the machine policy)" },
        { L"mColor201", L"boring mColor201 missing MAINCOLOR13 12 128,0,255 (locked by the user policy)" },
        { L"mColor301", L"reamer mColor301 missing MAINCOLOR14 13 128,128,255 (the machine policy's site default)" },
        { L"mColor401", L"tap mColor401 missing MAINCOLOR15 14 128,0,128 (the user policy's site default)" },
        { L"mColor501", L"counterbore mColor501 \"maincolor07\" MAINCOLOR07 6 255,128,128" },
    };
    for (const auto& [value, words] : lines)
        EXPECT_EQ(Words(LineOf(show.out, value)), words);
    const wchar_t* reasons[] = {
        L"\\Rimtone mColor701 holds \"MAINCOLOR17\", not a palette colour",
        L"\\Rimtone mColor801 holds \"\", not a palette colour",
        L"\\Rimtone\\Defaults mColor901 is REG_DWORD, not REG_SZ",
        L"HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Hallgrove\\PAV\\Rimtone mColor1001 is longer than the 255 bytes",
        L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Hallgrove\\PAV\\Rimtone mColour000 is not a Rimtone policy value",
        L"HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Hallgrove\\PAV\\Rimtone mColor101 holds \"MAINCOLOR16\", overridden",
        L"The administrator's note: Design standard, ext. 1234",
    };
    for (const wchar_t* reason : reasons)
        EXPECT_NE(show.out.find(reason), std::wstring::npos) << std::string(show.out.begin(), show.out.end());
    EXPECT_TRUE(Same(Snapshot(), before)) << "show writes nothing";
}

TEST_F(ColoursToolTest, ImportRefusesLockedValuesAndResetKeepsThemAndCheckAndSuggestSayWhichAreLocked)
{
    SetMixedScheme();
    const auto before = Snapshot();
    TempFile file(L"rimtone-locked-");
    file.Write("REGEDIT4\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone]\r\n"
               "\"mColor101\"=\"MAINCOLOR03\"\r\n\"mColor201\"=\"MAINCOLOR03\"\r\n\"mColor601\"=\"MAINCOLOR03\"\r\n");
    const ToolRun run = RunTool({ L"import", file.Path(), L"--replace" });
    EXPECT_EQ(run.code, ExitBadInput);
    for (const wchar_t* locked : { L"mColor101 is locked by the machine policy (MAINCOLOR12)",
                                   L"mColor201 is locked by the user policy (MAINCOLOR13)", L"nothing was written" })
        EXPECT_NE(run.err.find(locked), std::wstring::npos) << std::string(run.err.begin(), run.err.end());
    EXPECT_TRUE(Same(Snapshot(), before));

    ASSERT_EQ(RunTool({ L"reset" }).code, ExitOk);
    EXPECT_EQ(Stored(L"mColor101"), L"MAINCOLOR02") << "a locked slot keeps the user's value";
    EXPECT_EQ(Stored(L"mColor201"), L"(missing)");
    EXPECT_EQ(Stored(L"mColor301"), L"MAINCOLOR14") << "the site default";
    EXPECT_EQ(Stored(L"mColor501"), L"MAINCOLOR09");

    EXPECT_NE(RunTool({ L"check" }).out.find(L"Locked by policy (the administrator's colours): drill mColor101 "
                                             L"MAINCOLOR12 (machine policy), boring mColor201 MAINCOLOR13 (user policy)"),
              std::wstring::npos);
    const ToolRun suggest = RunTool({ L"suggest", L"--write", file.Path() });
    EXPECT_EQ(suggest.code, ExitOk);
    EXPECT_EQ(Words(LineOf(suggest.out, L"mColor101")), L"drill mColor101 MAINCOLOR12 11 0,0,255");
    SlotNames names;
    RegFileError error;
    ASSERT_TRUE(ParseColourRegFile(ReadBytes(file.Path()), names, error));
    EXPECT_TRUE(names[SlotDrill].IsEmpty() && names[SlotBoring].IsEmpty()) << "the file leaves the locked slots out";
    EXPECT_EQ(RunTool({ L"import", file.Path() }).code, ExitOk);
}

TEST_F(ColoursToolTest, PolicyExportImportedIntoAPolicyKeyGivesTheSameScheme)
{
    // reg.exe writes the real registry: the file's root becomes the sandbox's key that this process
    // sees as that root.
    struct Case { const wchar_t* option; const wchar_t* root; std::wstring sandboxRoot; ColourSource undetermined; };
    const Case cases[] = {
        { L"", L"[HKEY_LOCAL_MACHINE\\", sandbox.MachinePath(), ColourSource::MachineLock },
        { L"--user", L"[HKEY_CURRENT_USER\\", sandbox.Path(), ColourSource::UserLock },
        { L"--defaults", L"[HKEY_LOCAL_MACHINE\\", sandbox.MachinePath(), ColourSource::MachineDefault },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        RemovePolicies();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        SetMixedScheme();
        const SlotNames scheme = UsedNames(ReadStoredColours());
        TempFile file(L"rimtone-policy-");
        std::vector<std::wstring> args = { L"policy", L"export", file.Path() };
        if (*c.option)
            args.push_back(c.option);
        ASSERT_EQ(RunTool(args).code, ExitOk);
        const std::vector<unsigned char> bytes = ReadBytes(file.Path());
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
        const size_t at = text.find(c.root);
        ASSERT_NE(at, std::wstring::npos);
        text.replace(at, wcslen(c.root), L"[HKEY_CURRENT_USER\\" + c.sandboxRoot + L"\\");
        const auto* data = reinterpret_cast<const unsigned char*>(text.data());
        std::wstring problem;
        ASSERT_TRUE(WriteWholeFile(file.Path(), std::vector<unsigned char>(data, data + text.size() * 2), problem));
        // Only the file's policy decides now: no other policy, and no user values.
        RemovePolicies();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        ASSERT_TRUE(RunRegImport(file.Path()));
        const StoredSlots imported = ReadStoredColours();
        EXPECT_TRUE(UsedNames(imported) == scheme);
        EXPECT_EQ(imported[SlotUndetermined].source, c.undetermined);
    }
}
