#include "CategoryColors.h"
#include "RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";
const int kDefaultNumbers[CategorySlotCount] = { 0, 5, 5, 3, 7, 2, 8, 5, 5, 3, 4, 10 };

class CategoryColorsTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;

    std::vector<int> Loaded()
    {
        for (int& n : CategoryColors)
            n = -99;  // every slot must be assigned by the load
        EXPECT_TRUE(LoadCategoryColors());
        return std::vector<int>(CategoryColors, CategoryColors + CategorySlotCount);
    }

    std::wstring Stored(LPCWSTR valueName)
    {
        std::wstring text;
        DWORD type = 0;
        if (!GetStringValue(kKey, valueName, text, &type))
            return L"<missing>";
        return type == REG_SZ ? text : L"<not REG_SZ>";
    }
};

} // namespace

TEST(CategoryColorValuesTable, SlotsAndDefaults)
{
    const wchar_t* names[] = { L"mColor000", L"mColor101", L"mColor201", L"mColor301", L"mColor401", L"mColor402",
                               L"mColor501", L"mColor601", L"mColor701", L"mColor801", L"mColor901", L"mColor1001" };
    const wchar_t* defaults[] = { L"MAINCOLOR01", L"MAINCOLOR06", L"MAINCOLOR06", L"MAINCOLOR04",
                                  L"MAINCOLOR08", L"MAINCOLOR03", L"MAINCOLOR09", L"MAINCOLOR06",
                                  L"MAINCOLOR06", L"MAINCOLOR04", L"MAINCOLOR05", L"MAINCOLOR11" };
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        EXPECT_STREQ(CategoryColorValues[slot].valueName, names[slot]);
        EXPECT_STREQ(CategoryColorValues[slot].defaultColorName, defaults[slot]);
    }
}

TEST_F(CategoryColorsTest, FirstLoadCreatesTheKeyWithTheDefaults)
{
    EXPECT_FALSE(KeyExists(kKey));
    EXPECT_EQ(Loaded(), std::vector<int>(kDefaultNumbers, kDefaultNumbers + CategorySlotCount));
    for (const CategoryColorValue& value : CategoryColorValues)
        EXPECT_EQ(Stored(value.valueName), value.defaultColorName) << value.valueName;
}

TEST_F(CategoryColorsTest, StoredNamesAreResolvedButNeverCorrected)
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"maincolor06"));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR17"));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor301", L""));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor402", L"MainColor16"));
    const DWORD number = 5;
    ASSERT_TRUE(SetRawValue(kKey, L"mColor501", REG_DWORD, &number, sizeof number));

    const std::vector<int> loaded = Loaded();
    EXPECT_EQ(loaded[SlotDrill], 5);
    EXPECT_EQ(loaded[SlotBoring], 0);
    EXPECT_EQ(loaded[SlotReamer], 0);
    EXPECT_EQ(loaded[SlotTapSecond], 15);
    EXPECT_EQ(loaded[SlotCounterbore], 0);
    EXPECT_EQ(loaded[SlotTap], 7);  // missing: default

    EXPECT_EQ(Stored(L"mColor101"), L"maincolor06");
    EXPECT_EQ(Stored(L"mColor201"), L"MAINCOLOR17");
    EXPECT_EQ(Stored(L"mColor301"), L"");
    EXPECT_EQ(Stored(L"mColor501"), L"<not REG_SZ>");
    EXPECT_EQ(Stored(L"mColor401"), L"MAINCOLOR08");
}

TEST_F(CategoryColorsTest, OverlongNameIsReplacedByTheDefault)
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor101", L"MAINCOLOR02" + std::wstring(115, L' ')));  // 126 chars
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR02" + std::wstring(116, L' ')));  // 127 chars
    const std::vector<int> loaded = Loaded();
    EXPECT_EQ(loaded[SlotDrill], 0);  // read, but not a palette name
    EXPECT_EQ(Stored(L"mColor101").size(), 126u);
    EXPECT_EQ(loaded[SlotBoring], 5);
    EXPECT_EQ(Stored(L"mColor201"), L"MAINCOLOR06");
}

TEST_F(CategoryColorsTest, ReadCategoryColorNameReturnsTheStoredText)
{
    ASSERT_TRUE(SetStringValue(kKey, L"mColor601", L"maincolor12"));
    EXPECT_TRUE(ReadCategoryColorName(L"mColor601", L"MAINCOLOR06") == L"maincolor12");
    EXPECT_TRUE(ReadCategoryColorName(L"mColor701", L"MAINCOLOR06") == L"MAINCOLOR06");
    EXPECT_EQ(Stored(L"mColor701"), L"MAINCOLOR06");
}

TEST_F(CategoryColorsTest, SaveWritesAllTwelveInSlotOrder)
{
    CString names[CategorySlotCount];
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        names[slot].Format(L"MAINCOLOR%02d", slot + 2);
    EXPECT_TRUE(SaveCategoryColorNames(names));
    const std::vector<int> loaded = Loaded();
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        EXPECT_EQ(Stored(CategoryColorValues[slot].valueName), std::wstring(names[slot]));
        EXPECT_EQ(loaded[slot], slot + 1);
    }
}

TEST_F(CategoryColorsTest, SaveUnderAReadOnlyKeyTriesEveryValueAndReportsFailure)
{
    Loaded();  // key with the 12 defaults
    ASSERT_TRUE(SetKeyDacl(kKey, L"D:P(A;;KRWDSD;;;WD)"));
    CString names[CategorySlotCount];
    for (CString& name : names)
        name = L"MAINCOLOR16";
    EXPECT_FALSE(SaveCategoryColorNames(names));
    for (const CategoryColorValue& value : CategoryColorValues)
        EXPECT_EQ(Stored(value.valueName), value.defaultColorName);
    EXPECT_EQ(Loaded(), std::vector<int>(kDefaultNumbers, kDefaultNumbers + CategorySlotCount));
}

TEST_F(CategoryColorsTest, DefaultThatCannotBeWrittenBackIsUsedAndTheNextLoadTriesAgain)
{
    Loaded();
    ASSERT_TRUE(SetStringValue(kKey, L"mColor201", L"MAINCOLOR12"));
    ASSERT_TRUE(DeleteValue(kKey, L"mColor101"));
    ASSERT_TRUE(SetKeyDacl(kKey, L"D:P(A;;KRWDSD;;;WD)"));
    std::vector<int> loaded = Loaded();
    EXPECT_EQ(loaded[SlotDrill], 5) << "the default, though it could not be stored";
    EXPECT_EQ(loaded[SlotBoring], 11);
    EXPECT_EQ(Stored(L"mColor101"), L"<missing>");

    ASSERT_TRUE(SetKeyDacl(kKey, L"D:P(A;;KA;;;WD)"));
    loaded = Loaded();
    EXPECT_EQ(loaded[SlotDrill], 5);
    EXPECT_EQ(Stored(L"mColor101"), L"MAINCOLOR06") << "written back by the next load";
    EXPECT_EQ(Stored(L"mColor201"), L"MAINCOLOR12");
}

TEST_F(CategoryColorsTest, RegistryChangesTakeEffectAtTheNextLoad)
{
    Loaded();
    ASSERT_TRUE(SetStringValue(kKey, L"mColor1001", L"MAINCOLOR13"));
    EXPECT_EQ(CategoryColors[SlotSlot], 10);
    EXPECT_EQ(Loaded()[SlotSlot], 12);
}
