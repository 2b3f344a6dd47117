// The settings store is framework code, whose headers come before <windows.h>.
#include <CategoryColors.h>
#include <ColourPolicy.h>
#include <PaletteTable.h>
#include <RegistryString.h>

#include "StartBench.h"

#include "BenchHost.h"
#include "Clock.h"
#include "RegistryCallCounter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Short turns in many rounds, so that whatever else the machine does falls on both loads alike.
constexpr int kRounds = 31;
constexpr int kLoadsPerTurn = 10;
const char kPolicyScenario[] = "machine: 2 locks, the note and 12 site defaults; user: 1 lock";

// The load as it was before the policy, line for line.
void PlainLoad()
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const CategoryColorValue& value = CategoryColorValues[slot];
        CategoryColors[slot] = FindMainColor(ReadCategoryColorName(value.valueName, value.defaultColorName)).entry.m_nNumber;
    }
}

template <typename Load>
double SecondsPerLoad(Load load)
{
    const double start = Seconds();
    for (int i = 0; i < kLoadsPerTurn; ++i)
        load();
    return (Seconds() - start) / kLoadsPerTurn;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Call>
long CallsOf(HMODULE module, Call call, bool sayUnwatched = true)
{
    RegistryCallCounter counter(module);
    if (sayUnwatched && !counter.Unwatched().empty())
        std::printf("  (registry functions not counted: %s)\n", counter.Unwatched().c_str());
    counter.Start();
    call();
    return counter.Stop();
}

// This process's HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE moved to fresh keys of their own, with the
// user's 12 values stored and the policy of kPolicyScenario set; all of it gone with the object.
class PolicyScratch
{
public:
    PolicyScratch()
    {
        const std::wstring base = L"Software\\RimtoneBenchScratch\\" + std::to_wstring(::GetCurrentProcessId());
        m_paths[0] = base + L"\\user";
        m_paths[1] = base + L"\\machine";
        for (int i = 0; i < 2; ++i)
            ::RegCreateKeyExW(HKEY_CURRENT_USER, m_paths[i].c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_keys[i],
                              nullptr);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, m_keys[0]);
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_keys[1]);
        for (const CategoryColorValue& value : CategoryColorValues)
            WriteSettingString(L"Rimtone", value.valueName, value.defaultColorName);
        const std::wstring policy = PolicyKeyPath;
        const std::wstring defaults = policy + L"\\" + PolicyDefaultsSubKey;
        Set(HKEY_LOCAL_MACHINE, policy, L"mColor101", L"MAINCOLOR12");
        Set(HKEY_LOCAL_MACHINE, policy, L"mColor402", L"MAINCOLOR13");
        Set(HKEY_LOCAL_MACHINE, policy, AdministratorNoteValue, L"Design standard, ext. 1234");
        for (const CategoryColorValue& value : CategoryColorValues)
            Set(HKEY_LOCAL_MACHINE, defaults, value.valueName, L"MAINCOLOR14");
        Set(HKEY_CURRENT_USER, policy, L"mColor201", L"MAINCOLOR15");
    }

    ~PolicyScratch()
    {
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        for (HKEY key : m_keys)
            ::RegCloseKey(key);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\RimtoneBenchScratch");
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\RimtoneBenchScratch");
    }

    PolicyScratch(const PolicyScratch&) = delete;
    PolicyScratch& operator=(const PolicyScratch&) = delete;

private:
    static void Set(HKEY root, const std::wstring& path, const wchar_t* name, const wchar_t* text)
    {
        ::RegSetKeyValueW(root, path.c_str(), name, REG_SZ, text, static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    }

    std::wstring m_paths[2];
    HKEY m_keys[2] = {};
};

} // namespace

StartFigures MeasureStart(HMODULE plugin)
{
    StartFigures figures;
    std::printf("Start of the command: the colour load with the policy read (%d policy keys) against the plain load\n"
                "of before (the user's 12 values only), no policy key present, %d loads a turn in turns, %d rounds.\n",
                2, kLoadsPerTurn, kRounds);
    if (!ReadColourPolicy().IsEmpty()) {
        std::printf("  not measured: a colour policy is set in this prefix, and the comparison needs none\n\n");
        return figures;
    }
    std::vector<double> plain, policy, ratios;
    for (int round = 0; round < kRounds; ++round) {
        double plainSeconds = 0, policySeconds = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (round % 2 == 0))
                plainSeconds = SecondsPerLoad(PlainLoad);
            else
                policySeconds = SecondsPerLoad([] { LoadCategoryColors(); });
        }
        plain.push_back(plainSeconds * 1e6);
        policy.push_back(policySeconds * 1e6);
        ratios.push_back(policySeconds / plainSeconds);
    }
    figures.plainUs = Median(plain);
    figures.policyUs = Median(policy);
    figures.ratio = Median(ratios);

    // This program's own imports also serve the scratch keys below, which a load never calls.
    figures.plainCalls = CallsOf(::GetModuleHandleW(nullptr), PlainLoad, false);
    figures.startCalls = CallsOf(plugin, [] { BenchHostStartCommand(); });
    {
        PolicyScratch scratch;
        figures.policyStartCalls = CallsOf(plugin, [] { BenchHostStartCommand(); }, false);
    }
    figures.measured = true;
    std::printf("  plain load %.1f us, with the policy read %.1f us (medians); with/plain %.3f (target <= 1.10)\n",
                figures.plainUs, figures.policyUs, figures.ratio);
    std::printf("  registry calls: the plain load %ld; a start of Rimtone.dll %ld without a policy key (%+ld), %ld with\n"
                "  a policy (%s; %+ld)\n\n",
                figures.plainCalls, figures.startCalls, figures.startCalls - figures.plainCalls, figures.policyStartCalls,
                kPolicyScenario, figures.policyStartCalls - figures.plainCalls);
    return figures;
}
