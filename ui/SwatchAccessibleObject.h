#pragma once
// The accessible object (MSAA) of one swatch window: the system's standard object for the window,
// with the name, value and state that the swatch's dialog tells for it.
#include <afxwin.h>
#include <oleacc.h>

// What a screen reader is told about one swatch; empty texts leave the standard object's answer.
struct SwatchFacts
{
    CString name;
    CString value;
    bool selectable = false;  // one of a group of choices
    bool selected = false;    // the chosen one of that group
};

// The message that asks a swatch window for its facts (LPARAM: SwatchFacts*); a window that
// answers returns non-zero. The accessible object asks with SendMessage, so that the facts are
// always read on the window's own thread, whichever thread a client's call arrives on.
UINT SwatchFactsMessage();

// A new accessible object for the swatch window, with one reference; null when the system gives
// no standard object to build on.
IAccessible* CreateSwatchAccessible(HWND swatch);
