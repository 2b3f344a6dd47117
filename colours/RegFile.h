#pragma once
// The category colours as a registry export file (.reg): written in the platform's own format,
// read back strictly, so that a mistyped or foreign file is refused instead of half applied.
#include "CategoryColors.h"

#include <array>
#include <string>
#include <vector>

// A palette name for each slot; an empty name is a slot the file does not set.
using SlotNames = std::array<CString, CategorySlotCount>;

struct RegFileError
{
    int line = 0;  // 1-based; 0 when the trouble is not on one line
    std::wstring message;
};

// "HKEY_CURRENT_USER\SOFTWARE\Hallgrove\PAV\Rimtone", the key as .reg files name it.
std::wstring SettingsRegKeyName();
// The machine's or the user's policy key, or its Defaults, as .reg files name it.
std::wstring PolicyRegKeyName(bool user, bool defaults);

// Reads "Windows Registry Editor Version 5.00" (UTF-16 LE with byte-order mark, or UTF-8) and
// "REGEDIT4" (UTF-8 or ANSI) files that set values of the settings key only, each one of the 12
// value names and a palette name in any letter case. On success `names` holds the palette's own
// spelling of each name set; on the first fault, `error` names the line and nothing is returned.
bool ParseColourRegFile(const std::vector<unsigned char>& bytes, SlotNames& names, RegFileError& error);

// The names of the settings key as the platform writes an export: UTF-16 LE with byte-order mark,
// CRLF line ends; a slot without a name is left out.
std::vector<unsigned char> FormatColourRegFile(const SlotNames& names);
// The same for another key.
std::vector<unsigned char> FormatColourRegFile(const std::wstring& keyName, const SlotNames& names);
