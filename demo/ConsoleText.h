#pragma once
// Text output of the demo programs: UTF-8 on standard output or error, Korean included.
#include <string>

void WriteOut(const std::wstring& text);
void WriteError(const std::wstring& text);
std::wstring Widen(const std::string& utf8);
