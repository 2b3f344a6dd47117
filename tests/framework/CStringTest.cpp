#include <afx.h>

#include <gtest/gtest.h>

TEST(CString, CompareNoCaseFoldsLatinLettersOnly)
{
    const CString name(L"MainColor05");
    EXPECT_EQ(name.CompareNoCase(L"MAINCOLOR05"), 0);
    EXPECT_EQ(name.CompareNoCase(L"maincolor05"), 0);
    EXPECT_NE(name.CompareNoCase(L"MAINCOLOR5"), 0);
    EXPECT_NE(name.CompareNoCase(L""), 0);
    EXPECT_EQ(CString().CompareNoCase(L""), 0);
    EXPECT_LT(CString(L"a").CompareNoCase(L"B"), 0);
}

TEST(CString, FormatReplaceAndConcatenate)
{
    CString text;
    text.Format(L"%s%02d", L"MAINCOLOR", 7);
    EXPECT_TRUE(text == L"MAINCOLOR07");
    EXPECT_EQ(text.GetLength(), 11);

    CString path(L"A/B/C");
    EXPECT_EQ(path.Replace(L"/", L"\\"), 2);
    EXPECT_TRUE(path == L"A\\B\\C");
    EXPECT_EQ(path.Replace(L"\\", L"\\\\"), 2);  // replacement containing the pattern ends
    EXPECT_TRUE(path == L"A\\\\B\\\\C");

    CString joined = CString(L"SOFTWARE\\") + L"Rimtone";
    joined += L'!';
    EXPECT_STREQ(static_cast<LPCWSTR>(joined), L"SOFTWARE\\Rimtone!");
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString(L"x") != CString(L"X"));
}

TEST(CString, KoreanTextRoundTrips)
{
    const CString prompt(L"구멍형상 범위지시");
    EXPECT_EQ(prompt.GetLength(), 9);
    EXPECT_TRUE(prompt == CString(L"구멍형상 범위지시"));
}
