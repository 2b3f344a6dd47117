#pragma once
// Unicode text to the console, or as UTF-8 bytes when the output is redirected to a file or pipe.
#include <windows.h>

#include <string>

// Writes to STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
void WriteConsoleText(DWORD standardHandle, const std::wstring& text);
