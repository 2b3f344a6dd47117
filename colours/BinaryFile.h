#pragma once
// Whole-file reads and writes for the tool's .reg files, with a reason when they fail.
#include <string>
#include <vector>

// Reads the file (at most `maxBytes`); false with a message when it cannot.
bool ReadWholeFile(const std::wstring& path, size_t maxBytes, std::vector<unsigned char>& bytes,
                   std::wstring& problem);
// Creates or replaces the file with the bytes; false with a message when it cannot.
bool WriteWholeFile(const std::wstring& path, const std::vector<unsigned char>& bytes, std::wstring& problem);
