// The start-up of a framework DLL, seen through a probe DLL that reports what it ran.
#include "AppProbe.h"

#include <gtest/gtest.h>

TEST(DllStartup, InitialisesTheModuleWithItsOwnStateAndAddsItToTheResourceChain)
{
    HMODULE probe = ::LoadLibraryW(L"AppProbe.dll");
    ASSERT_NE(probe, nullptr);
    auto getReport = reinterpret_cast<ProbeGetReportFn>(reinterpret_cast<void*>(::GetProcAddress(probe, "ProbeGetReport")));
    ASSERT_NE(getReport, nullptr);
    ProbeReport report{};
    getReport(&report);

    EXPECT_EQ(report.initInstanceCalls, 1);
    EXPECT_TRUE(report.appWasCurrent) << "the application object registered with another state";
    EXPECT_EQ(report.instanceDuringInit, probe);
    EXPECT_EQ(report.resourceDuringInit, probe);
    EXPECT_TRUE(report.stateRestoredAfterLoad);
    EXPECT_EQ(report.foundThroughChain, probe);
    EXPECT_TRUE(::FreeLibrary(probe));
}

TEST(DllStartup, RefusesToLoadWhenInitialisationFails)
{
    ASSERT_TRUE(::SetEnvironmentVariableW(L"RIMTONE_PROBE_REFUSE_INIT", L"1"));
    HMODULE probe = ::LoadLibraryW(L"AppProbe.dll");
    const DWORD error = ::GetLastError();
    ::SetEnvironmentVariableW(L"RIMTONE_PROBE_REFUSE_INIT", nullptr);
    EXPECT_EQ(probe, nullptr);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
    if (probe)
        ::FreeLibrary(probe);

    probe = ::LoadLibraryW(L"AppProbe.dll");
    EXPECT_NE(probe, nullptr) << "loads once initialisation succeeds again";
    if (probe)
        ::FreeLibrary(probe);
}

TEST(DllStartup, RefusesToLoadWhenStaticInitialisationThrows)
{
    ASSERT_TRUE(::SetEnvironmentVariableW(L"RIMTONE_PROBE_THROW_AT_LOAD", L"1"));
    HMODULE probe = ::LoadLibraryW(L"AppProbe.dll");
    const DWORD error = ::GetLastError();
    ::SetEnvironmentVariableW(L"RIMTONE_PROBE_THROW_AT_LOAD", nullptr);
    EXPECT_EQ(probe, nullptr) << "the exception did not reach the loader as a failed start-up";
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
    if (probe)
        ::FreeLibrary(probe);

    probe = ::LoadLibraryW(L"AppProbe.dll");
    EXPECT_NE(probe, nullptr);
    if (probe)
        ::FreeLibrary(probe);
}
