// Demo host: runs the plug-in's command on the built-in sample drawing or on a drawing file.
#include "ConsoleText.h"
#include "DemoHost.h"
#include "DrawingFile.h"
#include "SampleDrawing.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

const wchar_t kUsage[] =
    L"usage: RimtoneDemo [--settings] [DRAWING]\n"
    L"  Loads Rimtone.dll beside the stand-in PavLib.dll, starts its command, picks every entity\n"
    L"  and shows how each sub-hole was recoloured.\n"
    L"  --settings  open the settings dialog first (the command's confirmation event)\n"
    L"  DRAWING     a drawing file (see demo/DrawingFile.h); the built-in sample without it\n";

} // namespace

int wmain(int argc, wchar_t** argv)
{
    DemoOptions options;
    std::wstring path;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--settings") {
            options.openSettings = true;
        } else if (arg == L"--help" || arg == L"-h") {
            WriteOut(kUsage);
            return 0;
        } else if (arg.size() > 1 && arg[0] == L'-') {
            WriteError(L"error: unknown option " + arg + L"\n" + kUsage);
            return 2;
        } else if (path.empty()) {
            path = arg;
        } else {
            WriteError(std::wstring(L"error: more than one drawing file\n") + kUsage);
            return 2;
        }
    }

    DemoDrawing drawing;
    std::string error;
    const bool parsed = path.empty() ? ParseDrawing(SampleDrawingText, drawing, error)
                                     : LoadDrawingFile(path, drawing, error);
    if (!parsed) {
        WriteError((path.empty() ? std::wstring(L"built-in sample") : path) + L": " + Widen(error) + L"\n");
        return 2;
    }
    return RunDemo(drawing, options);
}
