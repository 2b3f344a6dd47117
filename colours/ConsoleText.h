#pragma once
// Text for the console: Unicode to a console, UTF-8 bytes when the output is redirected to a file
// or pipe; and outside text made fit to show on one line.
#include <windows.h>

#include <string>

// Writes to STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
void WriteConsoleText(DWORD standardHandle, const std::wstring& text);

// Text read from a file or the registry as it can be shown on one line: control characters
// escaped (\x01), anything past `maxChars` cut ("...").
std::wstring OneLine(const std::wstring& text, size_t maxChars);
