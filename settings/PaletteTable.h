#pragma once
// The 16 named drawing colours "MAINCOLOR01".."MAINCOLOR16": name -> colour number and RGB.
#include <afx.h>

struct PaletteEntry
{
    CString m_strName = L"MAINCOLOR01";
    int m_nNumber = 0;
    int m_nRed = 255;
    int m_nGreen = 255;
    int m_nBlue = 255;
};

// Rows 1..m_nCount hold colours; row 0 keeps the state of a new entry and is what a failed
// lookup (index 0) reads: colour number 0, white.
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
