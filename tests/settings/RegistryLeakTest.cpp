#include "CategoryColors.h"
#include "HandleCount.h"
#include "RegistrySandbox.h"
#include "RegistryString.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";

// Every path of the string functions: reads that succeed, find nothing, or hit an over-long value;
// writes that succeed and writes refused by the key's access list.
void ExerciseEveryRegistryPath(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        CString text;
        WriteRegistryString(kKey, L"v", L"MAINCOLOR05");
        ReadRegistryString(kKey, L"v", text);
        ReadRegistryString(kKey, L"missing", text);
        ReadRegistryString(kKey, L"long", text);
        ReadRegistryString(L"SOFTWARE\\NoSuchKey", L"v", text);
        WriteRegistryString(L"SOFTWARE\\Hallgrove\\PAV\\Locked", L"v", L"x");
        LoadCategoryColors();
    }
}

} // namespace

TEST(RegistryHandles, HandleCounterSeesALeak)
{
    RegistrySandbox sandbox;
    ASSERT_EQ(WriteRegistryString(kKey, L"v", L"x"), 0);
    CString text;
    ReadRegistryString(kKey, L"v", text);  // warm-up
    const std::size_t before = CountProcessHandles();
    ASSERT_GT(before, 0u) << "the system handle table is not readable";
    std::vector<HKEY> leaked(10);
    for (HKEY& key : leaked)
        ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_GE(CountProcessHandles(), before + 10);
    for (HKEY key : leaked)
        ::RegCloseKey(key);
    EXPECT_EQ(CountProcessHandles(), before);
}

TEST(RegistryHandles, EveryKeyOpenedIsClosed)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(SetStringValue(kKey, L"long", std::wstring(200, L'x')));
    ASSERT_TRUE(SetStringValue(L"SOFTWARE\\Hallgrove\\PAV\\Locked", L"v", L"y"));
    ASSERT_TRUE(SetKeyDacl(L"SOFTWARE\\Hallgrove\\PAV\\Locked", L"D:P(A;;KRWDSD;;;WD)"));

    ExerciseEveryRegistryPath(10);  // warm-up: lazily created handles of the system
    const std::size_t before = CountProcessHandles();
    ExerciseEveryRegistryPath(300);  // 300 * 18 opened keys
    EXPECT_EQ(CountProcessHandles(), before);
}
