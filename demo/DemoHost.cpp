#include "DemoHost.h"

#include "ConsoleText.h"

#include <CategoryColors.h>
#include <HoleCategory.h>
#include <ModuleName.h>
#include <PaletteTable.h>
#include <PavStub.h>
#include <RegistryString.h>

#include <windows.h>

#include <cstdio>
#include <map>
#include <vector>

namespace {

const wchar_t* const kCategoryNames[HoleCategoryCount] = {
    L"Drill", L"Boring", L"Reamer", L"Tap", L"Counterbore", L"JG", L"JB", L"WC", L"Milling", L"Slot", L"Undetermined",
};

std::wstring Printf(const wchar_t* format, ...)
{
    wchar_t buffer[512];
    va_list args;
    va_start(args, format);
    _vsnwprintf(buffer, 511, format, args);
    va_end(args);
    buffer[511] = L'\0';
    return buffer;
}

// "5 MAINCOLOR06" for a palette colour number, the bare number otherwise.
std::wstring ColorText(int32_t number)
{
    if (number >= 0 && number <= 15)
        return Printf(L"%2d MAINCOLOR%02d", number, number + 1);
    return Printf(L"%2d (not a palette colour)", number);
}

// Puts the drawing into the stand-in host: holes with recognisable host data, then one entity each.
void LoadDrawingIntoHost(const DemoDrawing& drawing)
{
    PavStubReset();
    int entityIndex = 0;
    for (const DemoEntity& entity : drawing.entities) {
        ++entityIndex;
        if (!entity.hasHole) {
            PavStubAddEntity(0x1000 + entityIndex, entityIndex, -1);
            continue;
        }
        HoleRecord header = {};
        for (size_t i = 0; i < sizeof header.hostData1; ++i)
            header.hostData1[i] = static_cast<unsigned char>(entity.holeId + i);
        header.subHoleCount = static_cast<int32_t>(entity.subHoles.size());
        std::vector<SubHoleRecord> subHoles(entity.subHoles.size());
        for (size_t i = 0; i < subHoles.size(); ++i) {
            subHoles[i] = SubHoleRecord{};
            subHoles[i].identifier = entity.subHoles[i].identifier;
            subHoles[i].color = entity.subHoles[i].color;
            subHoles[i].color2 = entity.subHoles[i].color2;
        }
        PavStubAddHole(entity.holeId, &header, subHoles.data(), header.subHoleCount);
        PavStubSetHoleFault(entity.holeId, (entity.unreadable ? PAVSTUB_FAULT_UNREADABLE : 0) |
                                               (entity.nullSubHoles ? PAVSTUB_FAULT_NULL_SUBHOLES : 0));
        PavStubAddEntity(0x1000 + entityIndex, entityIndex, entity.holeId);
    }
}

void PrintHoles(const DemoDrawing& drawing, int (&perCategory)[HoleCategoryCount])
{
    WriteOut(L"\n hole  sub  identifier  category      color: before -> after                color2: before -> after\n");
    for (const DemoEntity& entity : drawing.entities) {
        if (!entity.hasHole) {
            WriteOut(L"    -    -           -  (entity without a hole id)\n");
            continue;
        }
        HoleRecord header = {};
        std::vector<SubHoleRecord> now(entity.subHoles.size() + 1);
        PavStubGetHole(entity.holeId, &header, now.data(), static_cast<int>(now.size()));
        if (entity.subHoles.empty())
            WriteOut(Printf(L"%5d    -           -  (no sub-holes)\n", entity.holeId));
        for (size_t i = 0; i < entity.subHoles.size(); ++i) {
            const DemoSubHole& before = entity.subHoles[i];
            const HoleCategory category = ClassifyHoleId(before.identifier);
            ++perCategory[static_cast<int>(category)];
            std::wstring line = Printf(L"%5d %4d %11d  %-12s  ", entity.holeId, static_cast<int>(i), before.identifier,
                                       kCategoryNames[static_cast<int>(category)]);
            line += ColorText(before.color) + L" -> " + ColorText(now[i].color);
            line += Printf(L"    %s -> %s", ColorText(before.color2).c_str(), ColorText(now[i].color2).c_str());
            WriteOut(line + L"\n");
        }
    }
}

void PrintMessages()
{
    WriteOut(L"\nHost messages:\n");
    const int count = PavStubGetMessageCount();
    for (int i = 0; i < count; ++i) {
        wchar_t text[256];
        const int kind = PavStubGetMessage(i, text, 256);
        const wchar_t* label = kind == PAVSTUB_MSG_CURSOR ? L"cursor" : kind == PAVSTUB_MSG_PROMPT ? L"prompt" : L"error ";
        WriteOut(Printf(L"  %s: %s\n", label, text));
    }
}

void PrintSettings()
{
    const CString keyPath = MakeSettingsKeyPath(ModuleName);
    WriteOut(Printf(L"\nColour settings in use (registry, HKEY_CURRENT_USER\\%s):\n", static_cast<LPCWSTR>(keyPath)));
    PaletteTable palette;
    palette.BuildMainColors();
    for (const CategoryColorValue& value : CategoryColorValues) {
        CString name;
        if (ReadRegistryString(keyPath, value.valueName, name) != 0) {
            WriteOut(Printf(L"  %-11s (unreadable: default %s)\n", value.valueName, value.defaultColorName));
            continue;
        }
        const int number = palette.m_aEntries[palette.FindByName(name)].m_nNumber;
        WriteOut(Printf(L"  %-11s %-12s -> colour %d\n", value.valueName, static_cast<LPCWSTR>(name), number));
    }
}

} // namespace

int RunDemo(const DemoDrawing& drawing, const DemoOptions& options)
{
    LoadDrawingIntoHost(drawing);

    HMODULE plugin = ::LoadLibraryW(L"Rimtone.dll");
    if (!plugin) {
        WriteError(Printf(L"error: cannot load Rimtone.dll (error %lu)\n", ::GetLastError()));
        return 1;
    }
    const auto startup =
        reinterpret_cast<PavStartupFn>(reinterpret_cast<void*>(::GetProcAddress(plugin, "Startup")));
    if (!startup) {
        WriteError(L"error: Rimtone.dll does not export Startup\n");
        ::FreeLibrary(plugin);
        return 1;
    }
    wchar_t pluginPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(plugin, pluginPath, MAX_PATH);
    WriteOut(Printf(L"Rimtone demo host\n  plug-in      : %s\n", pluginPath));

    const int startupResult = startup(nullptr, nullptr, nullptr, nullptr);
    WriteOut(Printf(L"  Startup      : %d%s\n", startupResult, startupResult == 0 ? L" (command registered)" : L""));
    if (startupResult != 0) {
        ::FreeLibrary(plugin);
        return 1;
    }
    WriteOut(Printf(L"  StartCommand : %d\n", PavStubCallStartCommand()));
    if (options.openSettings) {
        const int result = PavStubCallExecute(7, nullptr, nullptr, nullptr);
        WriteOut(Printf(L"  event 7      : %d (settings dialog closed)\n", result));
    }

    PavStubPickAll();
    const int picked = static_cast<int>(drawing.entities.size());
    const int result = PavStubCallExecute(0, nullptr, nullptr, nullptr);
    WriteOut(Printf(L"  pick         : %d entities (Ctrl+A), event 0 -> %d\n", picked, result));

    int perCategory[HoleCategoryCount] = {};
    PrintHoles(drawing, perCategory);
    WriteOut(L"\nSub-holes per category:\n");
    for (int c = 0; c < HoleCategoryCount; ++c)
        WriteOut(Printf(L"  %-12s %d\n", kCategoryNames[c], perCategory[c]));
    PrintMessages();
    PrintSettings();

    ::FreeLibrary(plugin);
    return 0;
}
