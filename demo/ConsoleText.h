#pragma once
// Text output of the demo programs: UTF-8 on standard output or error, Korean included.
#include <string>

// Standard output is buffered, since a large drawing prints millions of lines; FlushOut writes
// what is pending, and WriteError does so first to keep the two streams in order.
void WriteOut(const std::wstring& text);
void FlushOut();
void WriteError(const std::wstring& text);
std::wstring Widen(const std::string& utf8);
// The text with control and invisible characters written as escapes (\x05, \uFEFF), for text
// read from outside such as registry values.
std::wstring Printable(const std::wstring& text);
