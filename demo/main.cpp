// Demo host: runs the plug-in's command on the built-in sample drawing or on a drawing file.
#include "DemoHost.h"
#include "DrawingFileReader.h"
#include "SampleDrawing.h"

#include <ConsoleText.h>

#include <string>

namespace {

const wchar_t kUsage[] =
    L"usage: RimtoneDemo [--settings] [DRAWING]\n"
    L"  Loads Rimtone.dll beside the stand-in PavLib.dll, starts its command, picks every entity\n"
    L"  and shows how each sub-hole was recoloured.\n"
    L"  --settings  open the settings dialog first (the command's confirmation event)\n"
    L"  DRAWING     a drawing file (format in demo/DrawingFile.h; UTF-8 or UTF-16, LF or CRLF);\n"
    L"              the built-in sample without it\n"
    L"exit codes: 0 done, 1 the plug-in could not be loaded or started, 2 a bad command line or\n"
    L"  drawing file, 3 the settings dialog could not open\n";

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
            FlushOut();
            return DemoDone;
        } else if (arg.size() > 1 && arg[0] == L'-') {
            WriteError(L"error: unknown option " + OneLine(arg) + L" (RimtoneDemo --help shows the usage)\n");
            return DemoBadInput;
        } else if (path.empty()) {
            path = arg;
        } else {
            WriteError(L"error: more than one drawing file (RimtoneDemo --help shows the usage)\n");
            return DemoBadInput;
        }
    }

    DemoDrawing drawing;
    std::string error;
    const bool parsed = path.empty() ? ParseDrawing(SampleDrawingText, drawing, error)
                                     : LoadDrawingFile(path, drawing, error);
    if (!parsed) {
        WriteError((path.empty() ? std::wstring(L"built-in sample") : OneLine(path)) + L": " + Widen(error) + L"\n");
        return DemoBadInput;
    }
    const DemoExitCode result = RunDemo(drawing, options);
    FlushOut();
    return result;
}
