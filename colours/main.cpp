// RimtoneColours.exe: the console front of the colour tool.
#include "ColoursTool.h"

#include <ConsoleText.h>

int wmain(int argc, wchar_t* argv[])
{
    std::vector<std::wstring> args(argv + 1, argv + argc);
    std::wstring out;
    std::wstring err;
    int code = ExitBadInput;
    try {
        code = RunColoursTool(args, out, err);
    } catch (const std::exception&) {
        err += L"RimtoneColours: out of memory or an internal error; nothing more was done\n";
    }
    WriteOut(out);
    WriteError(err);
    return code;
}
