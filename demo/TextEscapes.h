#pragma once
// Text helpers of the demo's messages: UTF-16 to UTF-8, and the characters that are written as
// escapes because a terminal would act on them or not show them at all.
#include <cstdint>
#include <string>

std::string Utf8Of(const std::wstring& text);

// Control and formatting characters (C0, DEL, C1, soft hyphen, zero-width and direction marks,
// the byte-order mark).
bool IsInvisibleCharacter(uint32_t c);
