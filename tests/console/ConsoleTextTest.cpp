#include "ConsoleText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What breaks a one-line message or acts on a terminal, listed here on its own rather than taken
// from the rule under test: C0, DEL, C1 (U+0085 next line among them), line and paragraph separator.
bool BreaksALine(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

} // namespace

TEST(OneLine, LeavesNoControlCharacterOrLineSeparatorRaw)
{
    std::wstring every;
    for (wchar_t c = 1; c <= 0xA0; ++c)
        every += c;
    every += L"\u2028\u2029";
    const std::wstring shown = OneLine(L"MAINCOLOR06" + every);
    for (wchar_t c : shown)
        EXPECT_FALSE(BreaksALine(c)) << "U+" << std::hex << static_cast<unsigned>(c);
    EXPECT_EQ(shown.compare(0, 11, L"MAINCOLOR06"), 0);
    EXPECT_NE(shown.find(L"\\x01"), std::wstring::npos);
    EXPECT_NE(shown.find(L"\\x0A\\x0B\\x0C\\x0D"), std::wstring::npos);
    EXPECT_NE(shown.find(L"\\x7F\\u0080"), std::wstring::npos);
    EXPECT_NE(shown.find(L"\\u0085"), std::wstring::npos);
    EXPECT_NE(shown.find(L"\\u009F\u00A0"), std::wstring::npos);  // no-break space shows as it is
    EXPECT_NE(shown.find(L"\\u2028\\u2029"), std::wstring::npos);
}

TEST(OneLine, KeepsOrdinaryTextAndCutsLongText)
{
    const std::wstring text = L"mColor101 \"MAINCOLOR06\" 드릴 \u0394E00 tab-free";
    EXPECT_EQ(OneLine(text), text);
    EXPECT_EQ(OneLine(L"MAINCOLOR06", 4), L"MAIN...");
    EXPECT_EQ(OneLine(L"MAIN", 4), L"MAIN");
    // An escape counts with its length, and the one that reaches the limit is kept whole.
    EXPECT_EQ(OneLine(L"ab\u2028cd", 3), L"ab\\u2028...");
}

TEST(EscapeOf, IsTheSameForTheWideAndTheUtf8Messages)
{
    EXPECT_EQ(EscapeOf(0x05), "\\x05");
    EXPECT_EQ(EscapeOf(0x7F), "\\x7F");
    EXPECT_EQ(EscapeOf(0x85), "\\u0085");
    EXPECT_EQ(EscapeOf(0x2028), "\\u2028");
    EXPECT_EQ(EscapeOf(0xFEFF), "\\uFEFF");
}

TEST(Utf8, RoundTripsKoreanAndSymbols)
{
    const std::wstring text = L"구멍선색일괄변경 \u0394E00 \u25CF";
    EXPECT_EQ(Widen(Utf8Of(text)), text);
    EXPECT_EQ(Utf8Of(L"\u2028"), "\xE2\x80\xA8");
    EXPECT_EQ(Utf8Of(std::wstring()), std::string());
}
