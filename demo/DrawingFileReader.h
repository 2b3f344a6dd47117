#pragma once
// Reads a drawing file from disk a line at a time: a regular file only, in UTF-8 (with or without
// a byte-order mark) or in UTF-16 with a byte-order mark, as Windows editors save it.
#include "DrawingFile.h"

#include <string>

// Reads and parses a file; false with an error when it is not a drawing file, cannot be read or
// is bad. A folder, a device or a pipe is refused before anything is read from it.
bool LoadDrawingFile(const std::wstring& path, DemoDrawing& drawing, std::string& error);

// The Windows device that a path names whatever its folder and extension ("AUX" for "aux.txt"),
// which opening would wait on; empty for any other name.
std::wstring WindowsDeviceName(const std::wstring& path);
