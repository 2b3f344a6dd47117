#include "DrawingFile.h"
#include "SampleDrawing.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ErrorOf("hole 1\nholes 2\n"), "line 2: unknown field 'holes'");
    EXPECT_EQ(ErrorOf("hole 1\nsub 2147483648\n"),
              "line 2: identifier '2147483648' is not a number from -2147483648 to 2147483647");
    EXPECT_EQ(ErrorOf("hole -1\n"), "line 1: hole id '-1' is not a number from 0 to 2147483647");
    EXPECT_EQ(ErrorOf("hole 1\nsub 12x\n"), "line 2: identifier '12x' is not a number from -2147483648 to 2147483647");
    EXPECT_EQ(ErrorOf("hole\n"), "line 1: 'hole' needs a hole id");
    EXPECT_EQ(ErrorOf("hole 1\nsub\n"), "line 2: 'sub' needs an identifier");
    EXPECT_EQ(ErrorOf("sub 101\n"), "line 1: 'sub' before any 'hole'");
    EXPECT_EQ(ErrorOf("hole 1\norphan\nsub 101\n"), "line 3: 'sub' before any 'hole'");
    EXPECT_EQ(ErrorOf("hole 1\nhole 1\n"), "line 2: hole id 1 is already used");
    EXPECT_EQ(ErrorOf("hole 1\nsub 101 1 2 3\n"), "line 2: unexpected '3' after 'sub'");
    EXPECT_EQ(ErrorOf("hole 1\nfault broken\n"), "line 2: unknown fault 'broken' (unreadable or null-subholes)");
}

TEST(DrawingFile, MissingFileIsAnError)
{
    DemoDrawing drawing;
    std::string error;
    EXPECT_FALSE(LoadDrawingFile(L"no-such-drawing.txt", drawing, error));
    EXPECT_EQ(error, "cannot open the drawing file");
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
