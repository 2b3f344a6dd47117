#pragma once
// What a screen reader is told about one swatch, as its dialog knows it at the moment it is asked.
#include <afxwin.h>
#include <oleacc.h>

struct SwatchFacts
{
    long role = ROLE_SYSTEM_PUSHBUTTON;  // or ROLE_SYSTEM_RADIOBUTTON, one choice of a group
    CString name;
    CString value;
    CString defaultAction;  // the name of what a click does, which a screen reader can do as well
    bool checked = false;   // the chosen one of its group
    bool unavailable = false;  // shown but not for the user to change (an administrator's lock)
    CString description;       // why, where the swatch says more than its name and value
};
