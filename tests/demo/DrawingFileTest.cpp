#include "DrawingFile.h"
#include "DrawingFileReader.h"
#include "SampleDrawing.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

namespace {

std::string ErrorOf(const std::string& text)
{
    DemoDrawing drawing;
    std::string error;
    EXPECT_FALSE(ParseDrawing(text, drawing, error)) << text;
    return error;
}

} // namespace

TEST(DrawingFile, ReadsHolesSubHolesFaultsAndOrphansInOrder)
{
    DemoDrawing drawing;
    std::string error;
    ASSERT_TRUE(ParseDrawing("# a drawing\n"
                             "hole 7   # first\n"
                             "sub 401 3 4\n"
                             "sub -2147483648\n"
                             "\n"
                             "orphan\n"
                             "hole 2147483647\n"
                             "fault unreadable\n"
                             "fault null-subholes\r\n",
                             drawing, error))
        << error;
    ASSERT_EQ(drawing.entities.size(), 3u);
    const DemoEntity& first = drawing.entities[0];
    EXPECT_EQ(first.holeId, 7);
    ASSERT_EQ(first.subHoles.size(), 2u);
    EXPECT_EQ(first.subHoles[0].identifier, 401);
    EXPECT_EQ(first.subHoles[0].color, 3);
    EXPECT_EQ(first.subHoles[0].color2, 4);
    EXPECT_EQ(first.subHoles[1].identifier, INT32_MIN);
    EXPECT_EQ(first.subHoles[1].color, 0);
    EXPECT_FALSE(drawing.entities[1].hasHole);
    EXPECT_TRUE(drawing.entities[2].unreadable);
    EXPECT_TRUE(drawing.entities[2].nullSubHoles);
}

TEST(DrawingFile, BadInputNamesTheLine)
{
    EXPECT_EQ(ErrorOf("hole 1\nholes 2\n"), "line 2: unknown field 'holes' (hole, sub, fault or orphan)");
    EXPECT_EQ(ErrorOf("hole 1\nsub 2147483648\n"),
              "line 2: identifier '2147483648' is not a number from -2147483648 to 2147483647");
    EXPECT_EQ(ErrorOf("hole -1\n"), "line 1: hole id '-1' is not a number from 0 to 2147483647");
    EXPECT_EQ(ErrorOf("hole 1\nsub 12x\n"), "line 2: identifier '12x' is not a number from -2147483648 to 2147483647");
    EXPECT_EQ(ErrorOf("hole\n"), "line 1: 'hole' needs a hole id");
    EXPECT_EQ(ErrorOf("hole 1\nsub\n"), "line 2: 'sub' needs an identifier");
    EXPECT_EQ(ErrorOf("sub 101\n"), "line 1: 'sub' before any 'hole'");
    EXPECT_EQ(ErrorOf("hole 1\norphan\nsub 101\n"),
              "line 3: 'sub' after 'orphan' (an entity without a hole id has no sub-holes)");
    EXPECT_EQ(ErrorOf("orphan\nfault unreadable\n"),
              "line 2: 'fault' after 'orphan' (an entity without a hole id has no hole record)");
    EXPECT_EQ(ErrorOf("hole 1\nhole 1\n"), "line 2: hole id 1 is already used");
    EXPECT_EQ(ErrorOf("hole 1\nsub 101 1 2 3\n"), "line 2: unexpected '3' after 'sub'");
    EXPECT_EQ(ErrorOf("hole 1\nfault broken\n"), "line 2: unknown fault 'broken' (unreadable or null-subholes)");
}

TEST(DrawingFile, TextAsEditorsSaveItWithByteOrderMarkAndCrlf)
{
    DemoDrawing drawing;
    std::string error;
    ASSERT_TRUE(ParseDrawing("\xEF\xBB\xBFhole 1\r\nsub\t401 3\r\n# \xEA\xB5\xAC\xEB\xA9\x8D\r\n", drawing, error))
        << error;
    ASSERT_EQ(drawing.entities.size(), 1u);
    ASSERT_EQ(drawing.entities[0].subHoles.size(), 1u);
    EXPECT_EQ(drawing.entities[0].subHoles[0].color, 3);
}

TEST(DrawingFile, ControlCharactersAreRefusedWithLineAndColumn)
{
    EXPECT_EQ(ErrorOf(std::string("hole 1\nsub 1\0" "01\n", 13)), "line 2: a NUL byte at column 6 (a drawing file is plain text)");
    EXPECT_EQ(ErrorOf("hole 1\rsub 101\n"),
              "line 1: a carriage return that does not end the line at column 7 (a drawing file is plain text)");
    EXPECT_EQ(ErrorOf("# \x1B[2J\n"), "line 1: control character \\x1B at column 3 (a drawing file is plain text)");
}

TEST(DrawingFile, QuotedTokensAreShortAndEscaped)
{
    EXPECT_EQ(QuoteToken("holes"), "'holes'");
    EXPECT_EQ(QuoteToken(std::string(1 << 20, '7')), "'" + std::string(24, '7') + "...'");
    EXPECT_EQ(QuoteToken("\xEF\xBB\xBFhole"), "'\\uFEFFhole'");
    EXPECT_EQ(QuoteToken("a\xFF\xC3("), "'a\\xFF\\xC3('");
    EXPECT_EQ(QuoteToken("\xEA\xB5\xAC\xEB\xA9\x8D"), "'\xEA\xB5\xAC\xEB\xA9\x8D'");
    EXPECT_EQ(ErrorOf("hole 1\nsub " + std::string(1 << 20, '9') + "\n"),
              "line 2: identifier '" + std::string(24, '9') + "...' is not a number from -2147483648 to 2147483647");
}

TEST(DrawingFile, DeviceNamesAreKnownWhateverTheirFolderAndExtension)
{
    EXPECT_EQ(WindowsDeviceName(L"aux.txt"), L"AUX");
    EXPECT_EQ(WindowsDeviceName(L"C:\\drawings\\Com1.dat"), L"COM1");
    EXPECT_EQ(WindowsDeviceName(L"/tmp/nul"), L"NUL");
    EXPECT_EQ(WindowsDeviceName(L"con .txt"), L"CON");
    EXPECT_EQ(WindowsDeviceName(L"auxiliary.txt"), L"");
    EXPECT_EQ(WindowsDeviceName(L"com0.txt"), L"");
    EXPECT_EQ(WindowsDeviceName(L"aux\\drawing.txt"), L"");
}

// A file of the test's own in the temporary folder, removed at the end.
class DrawingFileOnDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t folder[MAX_PATH];
        ::GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + L"rimtone-drawing-test.txt";
    }
    void TearDown() override { ::DeleteFileW(m_path.c_str()); }

    std::string Load(const std::string& bytes, DemoDrawing& drawing)
    {
        std::ofstream(m_path.c_str(), std::ios::binary) << bytes;
        std::string error;
        const bool loaded = LoadDrawingFile(m_path, drawing, error);
        EXPECT_EQ(loaded, error.empty()) << error;
        return error;
    }

    std::wstring m_path;
};

TEST_F(DrawingFileOnDisk, Utf16WithByteOrderMarkIsRead)
{
    const std::string le("\xFF\xFEh\0o\0l\0e\0 \0" "1\0\r\0\n\0s\0u\0b\0 \0" "4\0" "0\0" "1\0", 30);
    const std::string be("\xFE\xFF\0h\0o\0l\0e\0 \0" "2\0\n\0s\0u\0b\0 \0" "5", 26);
    for (const std::string& bytes : { le, be }) {
        DemoDrawing drawing;
        EXPECT_EQ(Load(bytes, drawing), "");
        ASSERT_EQ(drawing.entities.size(), 1u);
        ASSERT_EQ(drawing.entities[0].subHoles.size(), 1u);
    }
    DemoDrawing drawing;
    EXPECT_EQ(drawing.entities.size(), 0u);
    EXPECT_EQ(Load(std::string("h\0o\0l\0e\0", 8), drawing),
              "looks like UTF-16 without a byte-order mark (save it as UTF-8, or as UTF-16 with one)");
    EXPECT_EQ(Load(std::string("\xFF\xFEh\0o", 5), drawing), "line 1: the file ends inside a UTF-16 character");
}

TEST_F(DrawingFileOnDisk, WhatIsNotARegularFileIsRefusedUnread)
{
    DemoDrawing drawing;
    std::string error;
    EXPECT_FALSE(LoadDrawingFile(L"no-such-drawing.txt", drawing, error));
    EXPECT_EQ(error, "cannot open the drawing file: no such file");
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    EXPECT_FALSE(LoadDrawingFile(folder, drawing, error));
    EXPECT_EQ(error, "a folder, not a drawing file");
    EXPECT_FALSE(LoadDrawingFile(L"aux.txt", drawing, error));
    EXPECT_EQ(error, "the name of the Windows device AUX, not a drawing file");
    EXPECT_EQ(Load("hole 1\nsub 101", drawing), "");
    EXPECT_EQ(drawing.entities.size(), 1u);
}

TEST(DrawingFile, BuiltInSampleCoversEveryCategoryAndAnOrphan)
{
    DemoDrawing drawing;
    std::string error;
    ASSERT_TRUE(ParseDrawing(SampleDrawingText, drawing, error)) << error;
    bool hundreds[12] = {};
    bool orphan = false;
    for (const DemoEntity& entity : drawing.entities) {
        orphan = orphan || !entity.hasHole;
        for (const DemoSubHole& sub : entity.subHoles) {
            if (sub.identifier > 100 && sub.identifier % 100 != 0 && sub.identifier < 1100)
                hundreds[sub.identifier / 100] = true;
        }
    }
    for (int h = 1; h <= 10; ++h)
        EXPECT_TRUE(hundreds[h]) << h;
    EXPECT_TRUE(orphan);
}
