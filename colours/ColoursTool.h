#pragma once
// The commands of RimtoneColours.exe: show, export, import, reset, check, suggest, simulate.
#include <string>
#include <vector>

// Exit codes: 0 done (check: nothing flagged), 1 check flagged something, 2 bad input or failure.
constexpr int ExitOk = 0;
constexpr int ExitFlagged = 1;
constexpr int ExitBadInput = 2;

// Runs one command line (without the program name); what it prints goes to `out` and `err`.
int RunColoursTool(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err);
