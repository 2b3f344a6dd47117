#include "ColourReport.h"

#include "PolicyReport.h"

#include <ConsoleText.h>

const wchar_t* RegistryTypeName(DWORD type)
{
    switch (type) {
    case REG_SZ: return L"REG_SZ";
    case REG_EXPAND_SZ: return L"REG_EXPAND_SZ";
    case REG_MULTI_SZ: return L"REG_MULTI_SZ";
    case REG_DWORD: return L"REG_DWORD";
    case REG_QWORD: return L"REG_QWORD";
    case REG_BINARY: return L"REG_BINARY";
    case REG_NONE: return L"REG_NONE";
    default: return L"an unknown type";
    }
}

std::wstring Column(const std::wstring& text, size_t width)
{
    if (text.size() >= width)
        return text + L" ";
    return text + std::wstring(width - text.size(), L' ');
}

std::wstring RgbText(Rgb8 colour)
{
    CString text;
    text.Format(L"%3d,%3d,%3d", colour.red, colour.green, colour.blue);
    return static_cast<LPCWSTR>(text);
}

std::wstring HexText(Rgb8 colour)
{
    CString text;
    text.Format(L"#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return static_cast<LPCWSTR>(text);
}

std::wstring Decimals(double value, int places)
{
    CString text;
    text.Format(L"%.*f", places, value);
    return static_cast<LPCWSTR>(text);
}

std::wstring SlotText(int slot)
{
    return std::wstring(SlotCategoryLabel(slot)) + L" " + CategoryColorValues[slot].valueName;
}

std::wstring StoredText(const StoredSetting& stored)
{
    switch (stored.kind) {
    case StoredKind::Text: return L"\"" + OneLine(static_cast<LPCWSTR>(stored.text), 40) + L"\"";
    case StoredKind::OtherType: return std::wstring(L"of another type (") + RegistryTypeName(stored.type) + L")";
    case StoredKind::Unreadable: return L"unreadable";
    case StoredKind::Missing: break;
    }
    return L"missing";
}

std::wstring ShowReport(const StoredSlots& slots, const ColourPolicy& policy)
{
    std::wstring text = L"Category colours under HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone and the colour "
                        L"the next start of the command uses for each: the stored value unless noted (a policy's "
                        L"lock, a policy's site default, or the default, which the next start writes):\n\n";
    text += Column(L"category", 14) + Column(L"value", 12) + Column(L"stored", 29) + Column(L"used", 13) +
            Column(L"colour", 8) + L"RGB\n";
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const StoredSlot& value = slots[slot];
        std::wstring note;
        if (value.source != ColourSource::UserValue)
            note = L"  (" + SourceText(value.source) + L")";
        else if (!value.used.inPalette)
            note = L"  (not a palette colour: loads as colour 0)";
        text += Column(SlotCategoryLabel(slot), 14) + Column(CategoryColorValues[slot].valueName, 12) +
                Column(StoredText(value.stored), 29) + Column(static_cast<LPCWSTR>(value.used.name), 13) +
                Column(std::to_wstring(value.used.number), 8) + RgbText(value.used.rgb) + note + L"\n";
    }
    return text + PolicySection(policy);
}

std::wstring NamesTable(const SlotNames& names)
{
    std::wstring text = Column(L"category", 14) + Column(L"value", 12) + Column(L"colour", 13) +
                        Column(L"number", 8) + L"RGB\n";
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const SlotColour colour = ResolvePaletteName(names[slot]);
        text += Column(SlotCategoryLabel(slot), 14) + Column(CategoryColorValues[slot].valueName, 12) +
                Column(static_cast<LPCWSTR>(colour.name), 13) + Column(std::to_wstring(colour.number), 8) +
                RgbText(colour.rgb) + L"\n";
    }
    return text;
}

std::wstring CheckReport(const SlotColours& colours, const CheckResult& result, const CheckOptions& options)
{
    std::wstring text;
    const std::wstring background = options.whiteBackground ? L"white" : L"black";
    text += L"Threshold: pairs with \u0394E00 below " + Decimals(options.threshold, 1) +
            L" are hard to tell apart; lines need a contrast ratio of " + Decimals(options.minContrast, 1) +
            L":1 against the " + background + L" background.\n";

    text += L"\nCategories that share one colour:";
    text += result.sharedColours.empty() ? L" none\n" : L"\n";
    for (const std::vector<int>& group : result.sharedColours) {
        text += L"  " + std::wstring(colours[group[0]].name) + L":";
        for (size_t i = 0; i < group.size(); ++i)
            text += (i ? L", " : L" ") + SlotText(group[i]);
        text += L"\n";
    }

    text += L"\nPairs hard to tell apart (\u0394E00 < " + Decimals(options.threshold, 1) + L"):";
    text += result.similarPairs.empty() ? L" none\n" : L"\n";
    for (const PairDifference& pair : result.similarPairs) {
        text += L"  " + Column(VisionName(pair.vision), 13) +
                Column(SlotText(pair.first) + L" " + static_cast<LPCWSTR>(colours[pair.first].name), 36) +
                Column(SlotText(pair.second) + L" " + static_cast<LPCWSTR>(colours[pair.second].name), 36) +
                L"\u0394E00 " + Decimals(pair.deltaE, 2) + L"\n";
    }

    text += L"\nToo little contrast against the " + background + L" background (ratio < " +
            Decimals(options.minContrast, 1) + L":1):";
    text += result.lowContrast.empty() ? L" none\n" : L"\n";
    for (const ContrastShortfall& low : result.lowContrast) {
        text += L"  " + Column(SlotText(low.slot) + L" " + static_cast<LPCWSTR>(colours[low.slot].name), 36) +
                Decimals(low.ratio, 2) + L":1 (" + VisionName(low.vision) + L")\n";
    }

    text += L"\nSmallest \u0394E00 between two categories over the four visions: ";
    text += Decimals(result.smallest, 2);
    if (result.smallestDistinct.deltaE >= 0) {
        const PairDifference& pair = result.smallestDistinct;
        text += L"; between different colours " + Decimals(pair.deltaE, 2) + L" (" + SlotText(pair.first) + L" / " +
                SlotText(pair.second) + L", " + VisionName(pair.vision) + L")";
    }
    text += L"\n";
    return text;
}

std::wstring CheckCsv(const SlotColours& colours, const CheckResult& result)
{
    std::wstring text = L"vision,value_a,value_b,name_a,name_b,delta_e00\n";
    for (const PairDifference& pair : result.pairs) {
        text += std::wstring(VisionName(pair.vision)) + L"," + CategoryColorValues[pair.first].valueName + L"," +
                CategoryColorValues[pair.second].valueName + L"," + static_cast<LPCWSTR>(colours[pair.first].name) +
                L"," + static_cast<LPCWSTR>(colours[pair.second].name) + L"," + Decimals(pair.deltaE, 2) + L"\n";
    }
    return text;
}

std::wstring SimulationCsv(const SlotColours& colours)
{
    std::wstring text = L"value,category,name";
    for (Vision vision : AllVisions)
        text += std::wstring(L",") + VisionName(vision);
    text += L"\n";
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        text += std::wstring(CategoryColorValues[slot].valueName) + L"," + SlotCategoryLabel(slot) + L"," +
                static_cast<LPCWSTR>(colours[slot].name);
        for (Vision vision : AllVisions)
            text += L"," + HexText(ToSrgb(Simulate(vision, ToLinear(colours[slot].rgb))));
        text += L"\n";
    }
    return text;
}
