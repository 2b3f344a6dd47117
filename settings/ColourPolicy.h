#pragma once
// The colours administrators set by policy, as one load reads them: per slot a lock and a site
// default, each from the machine or the user policy; the note shown beside locked colours; and
// every policy value that was ignored, with the reason, for the colour tool to report.
#include <afx.h>

#include "CategoryColors.h"
#include "PolicyKeys.h"

#include <vector>

enum class PolicyScope
{
    Machine,  // HKEY_LOCAL_MACHINE: wins over the user policy
    User,     // HKEY_CURRENT_USER
};

// One policy colour of a slot; `set` false where neither policy gives one.
struct PolicyColour
{
    bool set = false;
    PolicyScope scope = PolicyScope::Machine;
    CString name;  // the palette's own spelling
};

enum class PolicyFault
{
    NotText,            // a type other than REG_SZ
    TooLong,            // more than the store reads (255 bytes), or a note over 200 characters
    NotAPaletteColour,  // text that names no palette colour, the empty text among them
    UnknownName,        // a value that is neither a setting nor the note
    KeyUnreadable,      // the key exists but cannot be read (its access list)
    Overridden,         // a valid value of the user policy where the machine policy sets one too
};

// A policy value that counts as absent: a broken policy never locks a slot to colour 0.
struct IgnoredPolicyValue
{
    PolicyScope scope = PolicyScope::Machine;
    bool inDefaults = false;  // in the Defaults sub-key
    CString valueName;        // empty for KeyUnreadable
    PolicyFault fault = PolicyFault::UnknownName;
    DWORD type = REG_NONE;    // for NotText
    CString text;             // for NotAPaletteColour, Overridden
};

class ColourPolicy
{
public:
    PolicyColour locks[CategorySlotCount];
    PolicyColour siteDefaults[CategorySlotCount];
    CString note;  // the machine policy's note, else the user policy's; empty for none
    std::vector<IgnoredPolicyValue> ignored;

    bool IsLocked(int slot) const { return locks[slot].set; }
    // What a missing or unreadable user value falls back to and is written back as: the site
    // default (machine before user), else the built-in default.
    CString DefaultName(int slot) const
    {
        return siteDefaults[slot].set ? siteDefaults[slot].name : CString(CategoryColorValues[slot].defaultColorName);
    }
    // True when neither policy key holds a value, valid or not.
    bool IsEmpty() const;
};

// Reads both policy keys and their Defaults, each opened once; keys that do not exist cost one
// failed open each.
ColourPolicy ReadColourPolicy();
