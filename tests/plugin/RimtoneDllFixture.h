#pragma once
// Rimtone.dll loaded as the host loads it, in a registry sandbox, with the stand-in host library.
#include "RegistrySandbox.h"
#include "StandInDrawing.h"

#include <gtest/gtest.h>

inline constexpr wchar_t kKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";

class RimtoneDllTest : public ::testing::Test
{
protected:
    RegistrySandbox sandbox;
    HMODULE module = nullptr;
    PavStartupFn startup = nullptr;

    void SetUp() override
    {
        PavStubReset();
        module = ::LoadLibraryW(L"Rimtone.dll");
        ASSERT_NE(module, nullptr) << "LoadLibraryW failed: " << ::GetLastError();
        startup = reinterpret_cast<PavStartupFn>(reinterpret_cast<void*>(::GetProcAddress(module, "Startup")));
        ASSERT_NE(startup, nullptr);
    }

    void TearDown() override
    {
        PavStubReset();
        if (module) {
            EXPECT_TRUE(::FreeLibrary(module));
        }
        EXPECT_EQ(::GetModuleHandleW(L"Rimtone.dll"), nullptr) << "the host's unload left the module loaded";
    }

    // Startup and one start of the command, with the logs emptied afterwards.
    void StartCommand()
    {
        ASSERT_EQ(startup(nullptr, nullptr, nullptr, nullptr), 0);
        ASSERT_EQ(PavStubCallStartCommand(), 0);
        PavStubClearLogs();
    }

    int PickedHole(int holeId, int32_t identifier)
    {
        const int entity = AddPickableHole(holeId, { MakeSubHole(identifier, -7, -8, 1) });
        PavStubPick(entity);
        return entity;
    }
};
