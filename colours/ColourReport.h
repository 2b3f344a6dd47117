#pragma once
// Text of the tool's reports: tables, the check's findings and its CSV form.
#include "ColourCheck.h"
#include "StoredColours.h"

#include <string>

// Pads or cuts text to a column width.
std::wstring Column(const std::wstring& text, size_t width);
std::wstring RgbText(Rgb8 colour);
std::wstring HexText(Rgb8 colour);
std::wstring Decimals(double value, int places);
// "drill mColor101".
std::wstring SlotText(int slot);

// "REG_DWORD", ...
const wchar_t* RegistryTypeName(DWORD type);
// What a value holds, for show: the quoted text, "missing", "unreadable" or its other type.
std::wstring StoredText(const StoredSetting& stored);

// The show table of the stored values, what the next load uses and where that comes from, then
// the policy's note and the policy values it ignores.
std::wstring ShowReport(const StoredSlots& slots, const ColourPolicy& policy);
// A table of 12 names with their colours.
std::wstring NamesTable(const SlotNames& names);

// The check in words; `findings` counts what it flags.
std::wstring CheckReport(const SlotColours& colours, const CheckResult& result, const CheckOptions& options);
// Header and one row per pair of slots for each vision.
std::wstring CheckCsv(const SlotColours& colours, const CheckResult& result);
// Each slot's colour as seen under the four visions, as CSV with #rrggbb values.
std::wstring SimulationCsv(const SlotColours& colours);
