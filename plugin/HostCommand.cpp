#include "HostCommand.h"

#include "SettingsCommand.h"

#include <CategoryColors.h>
#include <ModuleHold.h>
#include <PavLib.h>
#include <RecolourSelection.h>

namespace {

const int kHoleShapeEvents = 32;
const wchar_t kCursorText[] = L"Hole";
constexpr wchar_t kPrompt[] = L"구멍형상 범위지시/전체-Ctrl+A (확정:설정창OPEN) :";
// A compiler that read this file in another code page would hand the host mojibake: refuse to build.
static_assert(kPrompt[0] == L'\uAD6C' && sizeof kPrompt / sizeof kPrompt[0] == 35,
              "this source must be read as UTF-8 (MSVC: /utf-8)");
const wchar_t kExecuteText[] = L"";

// Refilled at every start; kept for the module's lifetime since the host may hold the address.
PickFilter s_pickFilter;

} // namespace

int StartCommand()
{
    // A call from the host, which holds the module: the reference that kept it loaded for a
    // screen reader's object from an earlier dialog may go now.
    ModuleHold::OfThisModule().GiveBackIfUnused();
    try {
        LoadCategoryColors();
    } catch (...) {
        // The colours stay as they were; the command still starts.
    }
    PavIddClearSysIdData();
    PavEvtSetEventMask(kHoleShapeEvents);
    s_pickFilter = PickFilter{ 16, 2, 1, 0, 0 };
    PavEvtSetObject(&s_pickFilter);
    PavMsgPutCursorMessage(kCursorText);
    PavMsgPutMessage(kPrompt);
    PavCtlSetExecuteFunc(ExecuteCommand, kExecuteText);
    return 0;
}

int ExecuteCommand(int event, void* a1, void* a2, void* a3)
{
    switch (event) {
    case EventPickFinished:
        try {
            RecolourSelection(a1, a2, a3);
        } catch (...) {
            // Nothing of the pass may unwind into the host.
        }
        return 0;
    case EventConfirm:
        return RunSettingsCommand();
    default:
        return ResultNotHandled;
    }
}

int CommandSecondCallback()
{
    return 0;
}

void CommandThirdCallback()
{
}
