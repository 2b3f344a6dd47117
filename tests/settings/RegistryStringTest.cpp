#include "RegistryString.h"

#include "RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";

class RegistryStringTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;

    // Reads kKey\name with the store, starting from a sentinel so that "left as it was" shows.
    int Read(LPCWSTR name, CString& text)
    {
        text = L"sentinel";
        return ReadRegistryString(kKey, name, text);
    }
};

} // namespace

TEST(SettingsKeyPath, PrefixIsFollowedDirectlyByTheSubKey)
{
    EXPECT_TRUE(MakeSettingsKeyPath(L"Rimtone") == L"SOFTWARE\\Hallgrove\\PAV\\Rimtone");
    EXPECT_TRUE(MakeSettingsKeyPath(L"") == L"SOFTWARE\\Hallgrove\\PAV\\");
}

TEST_F(RegistryStringTest, WriteCreatesTheKeyAndStoresRegSzWithItsNul)
{
    EXPECT_FALSE(KeyExists(kKey));
    ASSERT_EQ(WriteRegistryString(kKey, L"mColor101", L"MAINCOLOR06"), 0);
    std::wstring text;
    DWORD type = 0;
    ASSERT_TRUE(GetStringValue(kKey, L"mColor101", text, &type));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, L"MAINCOLOR06");

    DWORD bytes = 0;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kKey, L"mColor101", RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr,
                             &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(bytes, (11u + 1u) * 2u);

    CString read;
    EXPECT_EQ(Read(L"mColor101", read), 0);
    EXPECT_TRUE(read == L"MAINCOLOR06");
}

TEST_F(RegistryStringTest, MissingKeyOrValueFailsWithoutCreatingAnything)
{
    CString text;
    EXPECT_EQ(Read(L"mColor101", text), -1);
    EXPECT_TRUE(text == L"sentinel");
    EXPECT_FALSE(KeyExists(kKey));

    ASSERT_TRUE(SetStringValue(kKey, L"other", L"x"));
    EXPECT_EQ(Read(L"mColor101", text), -1);
    EXPECT_TRUE(text == L"sentinel");
}

TEST_F(RegistryStringTest, ForwardSlashesInTheKeyPathAreSeparators)
{
    ASSERT_EQ(WriteRegistryString(L"SOFTWARE/Hallgrove/PAV/Rimtone", L"v", L"MAINCOLOR02"), 0);
    EXPECT_TRUE(KeyExists(kKey));
    EXPECT_FALSE(KeyExists(L"SOFTWARE\\Hallgrove/PAV/Rimtone"));
    CString text;
    EXPECT_EQ(ReadRegistryString(L"SOFTWARE/Hallgrove/PAV/Rimtone", L"v", text), 0);
    EXPECT_TRUE(text == L"MAINCOLOR02");
}

TEST_F(RegistryStringTest, LengthLimitIs126CharactersWithTheNul)
{
    CString text;
    ASSERT_TRUE(SetStringValue(kKey, L"v126", std::wstring(126, L'a')));
    EXPECT_EQ(Read(L"v126", text), 0);
    EXPECT_EQ(text.GetLength(), 126);

    ASSERT_TRUE(SetStringValue(kKey, L"v127", std::wstring(127, L'a')));
    EXPECT_EQ(Read(L"v127", text), -1);
    EXPECT_TRUE(text == L"sentinel");
}

// Stored data need not be well-formed text: no NUL, odd lengths, other types, nothing at all.
TEST_F(RegistryStringTest, ArbitraryDataDecodesWithinItsOwnBytes)
{
    struct Case { const char* what; DWORD type; std::vector<BYTE> data; const wchar_t* expected; };
    std::vector<BYTE> noNul254(254);
    for (size_t i = 0; i < noNul254.size(); i += 2) { noNul254[i] = 'b'; noNul254[i + 1] = 0; }
    std::vector<BYTE> odd253(noNul254.begin(), noNul254.begin() + 253);
    std::vector<BYTE> odd255(noNul254);
    odd255.push_back('c');
    const Case cases[] = {
        { "empty", REG_SZ, {}, L"" },
        { "one byte", REG_SZ, { 'A' }, L"" },
        { "one char, no NUL", REG_SZ, { 'A', 0 }, L"A" },
        { "NUL inside", REG_SZ, { 'A', 0, 0, 0, 'B', 0, 0, 0 }, L"A" },
        { "253 bytes", REG_SZ, odd253, nullptr },
        { "254 bytes, no NUL", REG_BINARY, noNul254, nullptr },
        { "255 bytes", REG_BINARY, odd255, nullptr },
        { "REG_DWORD 5", REG_DWORD, { 5, 0, 0, 0 }, L"\x0005" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(SetRawValue(kKey, L"v", c.type, c.data.data(), static_cast<DWORD>(c.data.size())));
        CString text;
        ASSERT_EQ(Read(L"v", text), 0);
        const std::wstring expected = c.expected ? std::wstring(c.expected) : std::wstring(c.data.size() / 2, L'b');
        EXPECT_EQ(std::wstring(static_cast<LPCWSTR>(text)), expected);
    }
}

// Whether the system counts a terminator it adds to unterminated REG_SZ data differs between
// implementations; either way the text is whole or the read fails and leaves it alone.
TEST_F(RegistryStringTest, UnterminatedStringAtTheLimitIsWholeOrRefused)
{
    const std::wstring chars(127, L'b');
    ASSERT_TRUE(SetRawValue(kKey, L"v", REG_SZ, chars.data(), 254));
    CString text;
    if (Read(L"v", text) == 0)
        EXPECT_EQ(std::wstring(static_cast<LPCWSTR>(text)), chars);
    else
        EXPECT_TRUE(text == L"sentinel");
}

TEST_F(RegistryStringTest, WriteToAReadOnlyKeyFailsAndChangesNothing)
{
    ASSERT_TRUE(SetStringValue(kKey, L"v", L"MAINCOLOR03"));
    ASSERT_TRUE(SetKeyDacl(kKey, L"D:P(A;;KRWDSD;;;WD)"));
    EXPECT_EQ(WriteRegistryString(kKey, L"v", L"MAINCOLOR04"), -1);
    EXPECT_FALSE(WriteSettingString(L"Rimtone", L"v", L"MAINCOLOR04"));
    CString text;
    EXPECT_EQ(Read(L"v", text), 0);
    EXPECT_TRUE(text == L"MAINCOLOR03");
}
