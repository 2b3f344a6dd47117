#pragma once
// The administrators' policy in the tool's words: where each colour comes from, which slots are
// locked, the note, and the policy values that were ignored and why.
#include "StoredColours.h"

#include <string>

// "locked by the machine policy", "the user policy's site default", ... ; empty for the user's value.
std::wstring SourceText(ColourSource source);

// "drill mColor101 (machine policy), tap (2nd) mColor402 (user policy)"; empty when none is locked.
std::wstring LockedSlotsText(const ColourPolicy& policy);

// The lines after show's table: the note, and each ignored policy value with its reason; one line
// saying that no policy is set when none is.
std::wstring PolicySection(const ColourPolicy& policy);
