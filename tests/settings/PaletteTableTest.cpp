#include "PaletteTable.h"

#include <gtest/gtest.h>

namespace {

struct Rgb { int number, red, green, blue; };

Rgb RowOf(const PaletteTable& table, const wchar_t* name)
{
    const PaletteEntry& row = table.m_aEntries[table.FindByName(name)];
    return { row.m_nNumber, row.m_nRed, row.m_nGreen, row.m_nBlue };
}

bool IsNewEntry(const PaletteEntry& e)
{
    return e.m_strName == L"MAINCOLOR01" && e.m_nNumber == 0 && e.m_nRed == 255 && e.m_nGreen == 255 &&
           e.m_nBlue == 255;
}

} // namespace

TEST(PaletteTable, BuildFillsSixteenRowsAndLeavesTheRestNew)
{
    PaletteTable table;
    EXPECT_EQ(table.m_nCount, 0);
    table.BuildMainColors();
    EXPECT_EQ(table.m_nCount, 16);
    EXPECT_TRUE(IsNewEntry(table.m_aEntries[0]));
    for (int row = 17; row < PaletteTable::Capacity; ++row)
        EXPECT_TRUE(IsNewEntry(table.m_aEntries[row])) << row;
    // Row index is the name's number, colour number one less.
    for (int row = 1; row <= 16; ++row) {
        CString name;
        name.Format(L"MAINCOLOR%02d", row);
        EXPECT_EQ(table.FindByName(name), row);
        EXPECT_EQ(table.m_aEntries[row].m_nNumber, row - 1);
    }
}

TEST(PaletteTable, ComponentsAreThePalettesOwn)
{
    PaletteTable table;
    table.BuildMainColors();
    const Rgb expected[16] = { { 0, 255, 255, 255 }, { 1, 0, 192, 255 },   { 2, 60, 255, 80 },
                               { 3, 255, 64, 192 },  { 4, 224, 224, 0 },   { 5, 255, 0, 0 },
                               { 6, 255, 128, 128 }, { 7, 0, 128, 255 },   { 8, 255, 255, 0 },
                               { 9, 128, 128, 128 }, { 10, 0, 255, 255 },  { 11, 0, 0, 255 },
                               { 12, 128, 0, 255 },  { 13, 128, 128, 255 }, { 14, 128, 0, 128 },
                               { 15, 128, 128, 0 } };
    for (int i = 0; i < 16; ++i) {
        const PaletteEntry& row = table.m_aEntries[i + 1];
        EXPECT_EQ(row.m_nNumber, expected[i].number);
        EXPECT_EQ(RGB(row.m_nRed, row.m_nGreen, row.m_nBlue),
                  RGB(expected[i].red, expected[i].green, expected[i].blue))
            << "row " << i + 1;
    }
    // Red is the low byte: MAINCOLOR02 is a light blue.
    const PaletteEntry& two = table.m_aEntries[2];
    EXPECT_EQ(RGB(two.m_nRed, two.m_nGreen, two.m_nBlue), 0xFFC000u);
}

TEST(PaletteTable, LookupIgnoresCaseAndMissesGiveRowZero)
{
    PaletteTable table;
    table.BuildMainColors();
    const Rgb red = { 5, 255, 0, 0 };
    for (const wchar_t* name : { L"MAINCOLOR06", L"maincolor06", L"MainColor06" }) {
        const Rgb got = RowOf(table, name);
        EXPECT_EQ(got.number, red.number);
        EXPECT_EQ(RGB(got.red, got.green, got.blue), RGB(255, 0, 0));
    }
    for (const wchar_t* name : { L"MAINCOLOR6", L"", L"MAINCOLOR17", L"MAINCOLOR00", L"MAINCOLOR06 " }) {
        EXPECT_EQ(table.FindByName(name), 0);
        EXPECT_EQ(RowOf(table, name).number, 0);
    }
}

TEST(PaletteTable, UnbuiltTableFindsNothing)
{
    PaletteTable table;
    EXPECT_EQ(table.FindByName(L"MAINCOLOR01"), 0);
    EXPECT_EQ(table.FindByName(L"MAINCOLOR16"), 0);
}

TEST(PaletteTable, RepeatedBuildsStayInsideTheTable)
{
    PaletteTable table;
    for (int i = 0; i < 4; ++i)
        table.BuildMainColors();
    EXPECT_LT(table.m_nCount, PaletteTable::Capacity);
    EXPECT_EQ(table.FindByName(L"MAINCOLOR16"), 16);
}
