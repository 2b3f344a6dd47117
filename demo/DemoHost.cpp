#include "DemoHost.h"

#include "AppliedColors.h"
#include "DialogWatch.h"

#include <CategoryColors.h>
#include <ConsoleText.h>
#include <HoleCategory.h>
#include <ModuleName.h>
#include <PaletteTable.h>
#include <PavStub.h>
#include <RegistryString.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

// The plug-in as the run loaded it, freed on every way out of the run.
struct ModuleFree
{
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using LoadedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

// A category's name as the tables head their rows with it: "Drill", "JG".
std::wstring CategoryHeading(HoleCategory category)
{
    std::wstring name = FactsOf(category).name;
    if (!name.empty() && name[0] >= L'a' && name[0] <= L'z')
        name[0] = static_cast<wchar_t>(name[0] - L'a' + L'A');
    return name;
}

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
// Only the records are kept there: call logging is off, which a large drawing could not afford.
void LoadDrawingIntoHost(const DemoDrawing& drawing)
{
    PavStubReset();
    PavStubSetCallLogging(0);
    int entityIndex = 0;
    std::vector<SubHoleRecord> subHoles;
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
        subHoles.assign(entity.subHoles.size(), SubHoleRecord{});
        for (size_t i = 0; i < subHoles.size(); ++i) {
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

// "Rimtone.dll, beside the demo host" when it was found there, as it normally is; its path otherwise.
std::wstring PluginLocation(HMODULE plugin)
{
    wchar_t pluginPath[MAX_PATH] = L"";
    wchar_t demoPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(plugin, pluginPath, MAX_PATH);
    ::GetModuleFileNameW(nullptr, demoPath, MAX_PATH);
    const std::wstring pluginFile = pluginPath;
    const std::wstring demoFile = demoPath;
    const size_t pluginFolder = pluginFile.find_last_of(L'\\') + 1;
    const size_t demoFolder = demoFile.find_last_of(L'\\') + 1;
    if (pluginFolder == demoFolder && CompareStringOrdinal(pluginPath, static_cast<int>(pluginFolder), demoPath,
                                                           static_cast<int>(demoFolder), TRUE) == CSTR_EQUAL)
        return pluginFile.substr(pluginFolder) + L", beside the demo host";
    return pluginFile;
}

struct PassCounts
{
    // Sub-holes the pass recoloured: those of the holes it amended whose record came with the
    // sub-hole array; a record without one has its sub-holes left as they were.
    int perCategory[HoleCategoryCount] = {};
    int holesRecoloured = 0;
    int holesNotProcessed = 0;
    int entitiesWithoutHoleId = 0;
};

// One line per sub-hole of each hole the pass amended; one line for each hole it did not reach.
void PrintHoles(const DemoDrawing& drawing, PassCounts& counts)
{
    WriteOut(L"\n hole  sub  identifier  category      color: before -> after                color2: before -> after\n");
    std::vector<SubHoleRecord> now;
    for (const DemoEntity& entity : drawing.entities) {
        if (!entity.hasHole) {
            ++counts.entitiesWithoutHoleId;
            WriteOut(L"    -    -           -  (entity without a hole id)\n");
            continue;
        }
        if (PavStubGetHoleAmendCount(entity.holeId) <= 0) {
            ++counts.holesNotProcessed;
            const int subHoleCount = static_cast<int>(entity.subHoles.size());
            WriteOut(Printf(L"%5d    -           -  not processed%s, %d sub-hole%s left as %s\n", entity.holeId,
                            entity.unreadable ? L" (record unreadable)" : L"", subHoleCount,
                            subHoleCount == 1 ? L"" : L"s", subHoleCount == 1 ? L"it was" : L"they were"));
            continue;
        }
        ++counts.holesRecoloured;
        if (entity.subHoles.empty())
            WriteOut(Printf(L"%5d    -           -  (no sub-holes)\n", entity.holeId));
        now.assign(entity.subHoles.size(), SubHoleRecord{});
        PavStubGetHole(entity.holeId, nullptr, now.data(), static_cast<int>(now.size()));
        for (size_t i = 0; i < entity.subHoles.size(); ++i) {
            const DemoSubHole& before = entity.subHoles[i];
            const HoleCategory category = ClassifyHoleId(before.identifier);
            if (!entity.nullSubHoles)
                ++counts.perCategory[static_cast<int>(category)];
            std::wstring line = Printf(L"%5d %4d %11d  %-12s  ", entity.holeId, static_cast<int>(i), before.identifier,
                                       CategoryHeading(category).c_str());
            line += ColorText(before.color) + L" -> " + ColorText(now[i].color);
            line += Printf(L"    %s -> %s", ColorText(before.color2).c_str(), ColorText(now[i].color2).c_str());
            WriteOut(line + L"\n");
        }
    }
}

void PrintCounts(const PassCounts& counts)
{
    WriteOut(L"\nSub-holes recoloured per category:\n");
    for (int c = 0; c < HoleCategoryCount; ++c)
        WriteOut(Printf(L"  %-12s %d\n", CategoryHeading(static_cast<HoleCategory>(c)).c_str(),
                        counts.perCategory[c]));
    WriteOut(Printf(L"Holes recoloured: %d, not processed: %d; entities without a hole id: %d\n",
                    counts.holesRecoloured, counts.holesNotProcessed, counts.entitiesWithoutHoleId));
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

void PrintAppliedColors()
{
    WriteOut(L"\nColours in effect for the pass (what the holes got; read back from a probe hole):\n");
    int colors[CategorySlotCount] = {};
    if (!ReadAppliedColors(colors)) {
        WriteOut(L"  (the probe hole was not recoloured)\n");
        return;
    }
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        WriteOut(Printf(L"  %-11s %s\n", CategoryColorValues[slot].valueName, ColorText(colors[slot]).c_str()));
}

void PrintStoredSettings()
{
    const CString keyPath = MakeSettingsKeyPath(ModuleName);
    WriteOut(Printf(L"\nStored colour settings (what the next start of the command loads), HKEY_CURRENT_USER\\%s:\n",
                    static_cast<LPCWSTR>(keyPath)));
    for (const CategoryColorValue& value : CategoryColorValues) {
        CString name;
        if (ReadRegistryString(keyPath, value.valueName, name) != 0) {
            WriteOut(Printf(L"  %-11s (missing or unreadable: the next start stores %s)\n", value.valueName,
                            value.defaultColorName));
            continue;
        }
        const int number = FindMainColor(name).entry.m_nNumber;
        WriteOut(Printf(L"  %-11s %-12s -> colour %d\n", value.valueName,
                        OneLine(static_cast<LPCWSTR>(name)).c_str(), number));
    }
}

} // namespace

DemoExitCode RunDemo(const DemoDrawing& drawing, const DemoOptions& options)
{
    LoadDrawingIntoHost(drawing);

    const LoadedModule plugin(::LoadLibraryW(L"Rimtone.dll"));
    if (!plugin) {
        WriteError(Printf(L"error: cannot load Rimtone.dll (error %lu)\n", ::GetLastError()));
        return DemoPluginFailed;
    }
    const auto startup =
        reinterpret_cast<PavStartupFn>(reinterpret_cast<void*>(::GetProcAddress(plugin.get(), "Startup")));
    if (!startup) {
        WriteError(L"error: Rimtone.dll does not export Startup\n");
        return DemoPluginFailed;
    }
    WriteOut(L"Rimtone demo host\n  plug-in      : " + PluginLocation(plugin.get()) + L"\n");

    const int startupResult = startup(nullptr, nullptr, nullptr, nullptr);
    WriteOut(Printf(L"  Startup      : %d%s\n", startupResult, startupResult == 0 ? L" (command registered)" : L""));
    if (startupResult != 0) {
        return DemoPluginFailed;
    }
    WriteOut(Printf(L"  StartCommand : %d\n", PavStubCallStartCommand()));
    if (options.openSettings) {
        bool shown = false;
        int result = 0;
        {
            const DialogWatch watch;
            result = PavStubCallExecute(7, nullptr, nullptr, nullptr);
            shown = watch.DialogShown();
        }
        if (!shown) {
            WriteError(Printf(L"error: the settings dialog could not open (event 7 -> %d): no window could be "
                              L"shown; under Wine, check that an X server answers on DISPLAY\n", result));
            return DemoDialogNotShown;
        }
        WriteOut(Printf(L"  event 7      : %d (settings dialog shown and closed)\n", result));
    }

    PavStubPickAll();
    const int picked = static_cast<int>(drawing.entities.size());
    const int result = PavStubCallExecute(0, nullptr, nullptr, nullptr);
    WriteOut(Printf(L"  pick         : %d entities (Ctrl+A), event 0 -> %d\n", picked, result));

    PassCounts counts;
    PrintHoles(drawing, counts);
    PrintCounts(counts);
    PrintMessages();
    PrintAppliedColors();
    PrintStoredSettings();
    return DemoDone;
}
