#pragma once
// Text of the console tools: what they print (Unicode to a console, UTF-8 bytes when the output
// goes to a file or a pipe), and text from outside (files, the registry, the command line) made
// fit for a one-line message.
#include <cstddef>
#include <cstdint>
#include <string>

// Standard output is buffered, since a large drawing prints millions of lines; FlushOut writes
// what is pending, and WriteError does so first to keep the two streams in order.
void WriteOut(const std::wstring& text);
void FlushOut();
void WriteError(const std::wstring& text);

std::string Utf8Of(const std::wstring& text);
std::wstring Widen(const std::string& utf8);

// The characters a one-line message never holds as they are, because a terminal would act on
// them or not show them: control characters (C0, DEL, C1 with U+0085 next line), the line and
// paragraph separators U+2028 and U+2029, and invisible formatting characters (soft hyphen,
// zero-width and direction marks, the byte-order mark).
bool IsInvisibleCharacter(uint32_t c);
// How a message writes such a character: \x05 below U+0080, \u2028 from there on.
std::string EscapeOf(uint32_t c);

// Text from outside as one line: the characters above escaped, and anything past `maxChars`
// characters of the result cut off with "...".
std::wstring OneLine(const std::wstring& text, size_t maxChars = std::wstring::npos);
