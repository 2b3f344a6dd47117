#pragma once
// The 16 named drawing colours "MAINCOLOR01".."MAINCOLOR16": name -> colour number and RGB.
#include <afx.h>

// One main colour: its name, the number hole records carry, and the components swatches paint.
struct MainColor
{
    const wchar_t* name;
    int number;
    int red;
    int green;
    int blue;
};

constexpr int MainColorCount = 16;

// The main colours in row order: the row is the two digits of the name, the colour number one less.
// Everything that names, numbers or paints a palette colour reads it from here.
inline constexpr MainColor MainColors[MainColorCount] = {
    { L"MAINCOLOR01", 0, 255, 255, 255 },
    { L"MAINCOLOR02", 1, 0, 192, 255 },
    { L"MAINCOLOR03", 2, 60, 255, 80 },
    { L"MAINCOLOR04", 3, 255, 64, 192 },
    { L"MAINCOLOR05", 4, 224, 224, 0 },
    { L"MAINCOLOR06", 5, 255, 0, 0 },
    { L"MAINCOLOR07", 6, 255, 128, 128 },
    { L"MAINCOLOR08", 7, 0, 128, 255 },
    { L"MAINCOLOR09", 8, 255, 255, 0 },
    { L"MAINCOLOR10", 9, 128, 128, 128 },
    { L"MAINCOLOR11", 10, 0, 255, 255 },
    { L"MAINCOLOR12", 11, 0, 0, 255 },
    { L"MAINCOLOR13", 12, 128, 0, 255 },
    { L"MAINCOLOR14", 13, 128, 128, 255 },
    { L"MAINCOLOR15", 14, 128, 0, 128 },
    { L"MAINCOLOR16", 15, 128, 128, 0 },
};

// The main colour of a row, 1..16.
constexpr const MainColor& MainColorOfRow(int row)
{
    return MainColors[row - 1];
}

// A new entry, and the row a failed lookup reads, is the first main colour: number 0, white.
struct PaletteEntry
{
    CString m_strName = MainColorOfRow(1).name;
    int m_nNumber = MainColorOfRow(1).number;
    int m_nRed = MainColorOfRow(1).red;
    int m_nGreen = MainColorOfRow(1).green;
    int m_nBlue = MainColorOfRow(1).blue;
};

// Rows 1..m_nCount hold colours; row 0 keeps the state of a new entry and is what a failed
// lookup (index 0) reads.
class PaletteTable
{
public:
    static constexpr int Capacity = 40;

    int m_nCount = 0;
    PaletteEntry m_aEntries[Capacity];

    // Appends the 16 main colours after the rows in use; called once on a new table.
    void BuildMainColors();
    // Index of the first row whose name equals `name` without regard to case, or 0.
    int FindByName(CString name) const;
};

// A main colour looked up by name.
struct FoundColor
{
    int row = 0;         // 1..MainColorCount; 0 when no main colour has the name
    PaletteEntry entry;  // that row: the palette's own spelling, number and components; for 0 the
                         // not-found row, number 0 and white
};

// The palette lookup for everyone outside the table: the main colour named `name` without regard
// to case, found with FindByName in a table built for the call.
FoundColor FindMainColor(CString name);
