#pragma once
// The accessible object (MSAA) of one swatch window: the system's standard object for the window,
// with the role, name, value, state and default action that the swatch's dialog tells (SwatchFacts).
//
// Threads: this is the module's code that runs off the host's user-interface thread. A client in
// the multithreaded apartment calls the object on threads of its own, and any client may release
// it on any thread, also after the dialog has gone and the host has unloaded the module (which
// ModuleHold keeps mapped meanwhile). So the object touches nothing of the module but what it is
// handed when it is made, holds no function-local statics, and asks its window for the facts with
// a message, which runs on the window's own thread.
#include <afxwin.h>
#include <oleacc.h>

class ModuleHold;

// What an object is handed: how it reaches its swatch, and the hold it gives back when it goes.
struct SwatchObjectLink
{
    // Sent to the swatch window: WPARAM the asking object, LPARAM the SwatchFacts to fill; the
    // window answers non-zero when it filled them, zero once its dialog has let go of the object.
    UINT factsMessage;
    // Posted to the swatch window: WPARAM the asking object; the swatch does what a click does.
    UINT actionMessage;
    ModuleHold* hold;
};

// A new accessible object for the swatch window, with one reference; null when the system gives
// no standard object to build on or the module cannot be held.
IAccessible* CreateSwatchAccessibleObject(HWND swatch, const SwatchObjectLink& link);
