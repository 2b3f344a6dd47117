// The administrators' colour policy through the loaded plug-in: the colour the pass writes under
// every layer of policy, what a start writes back, and the user's value that a lock leaves alone.
#include "DialogDriver.h"
#include "resource.h"
#include "RimtoneDllFixture.h"
#include "StoredSetting.h"

#include <gtest/gtest.h>

namespace {

// A value named mColor101 in a policy key.
struct PolicyValue
{
    HKEY root;
    bool defaults;
    std::wstring text;
    DWORD type = REG_SZ;
    const wchar_t* name = L"mColor101";
};

struct PrecedenceCase
{
    const char* what;
    std::vector<PolicyValue> policy;
    const wchar_t* userValue;  // null: missing
    int drillColour;           // what the pass writes into a drill sub-hole
    std::wstring storedAfter;  // the user's mColor101 after the start
};

const HKEY kMachine = HKEY_LOCAL_MACHINE;
const HKEY kUser = HKEY_CURRENT_USER;

const PrecedenceCase kCases[] = {
    { "a machine lock wins over the user's value", { { kMachine, false, L"MAINCOLOR12" } }, L"maincolor02", 11, L"maincolor02" },
    { "a machine lock wins over a user lock", { { kUser, false, L"MAINCOLOR13" }, { kMachine, false, L"MAINCOLOR12" } },
      L"MAINCOLOR02", 11, L"MAINCOLOR02" },
    { "a user lock, names in any case", { { kUser, false, L"maincolor13", REG_SZ, L"MCOLOR101" } }, L"MAINCOLOR02", 12, L"MAINCOLOR02" },
    { "a lock writes no missing value", { { kMachine, false, L"MAINCOLOR12" } }, nullptr, 11, L"<missing>" },
    { "a site default fills a missing value", { { kMachine, true, L"maincolor14" } }, nullptr, 13, L"MAINCOLOR14" },
    { "a user policy's site default", { { kUser, true, L"MAINCOLOR15" } }, nullptr, 14, L"MAINCOLOR15" },
    { "the machine's site default first", { { kUser, true, L"MAINCOLOR15" }, { kMachine, true, L"MAINCOLOR14" } },
      nullptr, 13, L"MAINCOLOR14" },
    { "the user's value over a site default", { { kMachine, true, L"MAINCOLOR14" } }, L"MAINCOLOR02", 1, L"MAINCOLOR02" },
    { "ignored: no palette colour", { { kMachine, false, L"MAINCOLOR17" } }, L"MAINCOLOR02", 1, L"MAINCOLOR02" },
    { "ignored: empty", { { kMachine, false, L"" } }, L"MAINCOLOR02", 1, L"MAINCOLOR02" },
    // The DWORD 11: the bytes of the character 11 and the NUL after it.
    { "ignored: REG_DWORD", { { kMachine, false, L"\x000B", REG_DWORD } }, L"MAINCOLOR02", 1, L"MAINCOLOR02" },
    { "ignored: 300 bytes of text", { { kMachine, false, L"MAINCOLOR12" + std::wstring(138, L' ') } }, L"MAINCOLOR02", 1,
      L"MAINCOLOR02" },
    { "an ignored machine lock leaves the user lock", { { kMachine, false, L"MAINCOLOR17" }, { kUser, false, L"MAINCOLOR13" } },
      L"MAINCOLOR02", 12, L"MAINCOLOR02" },
    { "an ignored site default leaves the built-in one", { { kMachine, true, L"MAINCOLOR00" } }, nullptr, 5, L"MAINCOLOR06" },
};

class PolicyPrecedenceTest : public RimtoneDllTest, public ::testing::WithParamInterface<PrecedenceCase> {};

} // namespace

TEST_P(PolicyPrecedenceTest, DecidesThePassColourAndWhatTheStartWritesBack)
{
    const PrecedenceCase& c = GetParam();
    SCOPED_TRACE(c.what);
    for (const PolicyValue& value : c.policy) {
        const DWORD bytes = value.type == REG_DWORD ? sizeof(DWORD) : static_cast<DWORD>((value.text.size() + 1) * 2);
        ASSERT_TRUE(SetPolicyValue(value.root, value.defaults, value.name, value.type, value.text.c_str(), bytes));
    }
    if (c.userValue)
        ASSERT_TRUE(SetStringValue(kKey, L"mColor101", c.userValue));
    StartCommand();
    PickedHole(1, 150);
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, c.drillColour);
    EXPECT_EQ(StoredName(L"mColor101"), c.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(Layers, PolicyPrecedenceTest, ::testing::ValuesIn(kCases));

TEST_F(RimtoneDllTest, OkKeepsALockedSlotsValueByteForByteAndItIsBackWhenTheLockGoes)
{
    // Stored without its NUL, as no write of the store would leave it (a NUL right after the data
    // would be added by the registry).
    const wchar_t own[] = L"maincolor02x";
    ASSERT_TRUE(SetRawValue(kKey, L"mColor101", REG_SZ, own, 11 * sizeof(wchar_t)));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor101", L"MAINCOLOR12"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"AdministratorNote", L"설계팀 표준, 문의 내선 1234"));
    RegistryValueCopy before, after;
    ASSERT_TRUE(CopyRegistryValue(kKey, L"mColor101", before));
    ASSERT_EQ(before.data.size(), 22u);

    StartCommand();
    ModalScript script;
    HWND settings = nullptr;
    script.WaitFor(kSettingsCaption, &settings).Do([&] { Click(settings, IDOK); });
    EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(script.Finished());
    ASSERT_TRUE(CopyRegistryValue(kKey, L"mColor101", after));
    EXPECT_TRUE(after.type == REG_SZ && after.data == before.data);
    EXPECT_EQ(StoredName(L"mColor201"), L"MAINCOLOR06") << "OK saved the unlocked slots";

    PickedHole(1, 150);
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 11) << "reloaded after OK, still locked";

    RemovePolicies();
    ASSERT_EQ(PavStubCallStartCommand(), 0);
    PavStubPickAll();
    EXPECT_EQ(PavStubCallExecute(0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBackHole(1).subHoles[0].color, 1) << "the user's own colour is back";
}
