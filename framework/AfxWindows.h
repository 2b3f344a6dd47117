#pragma once
// The framework's one way to <windows.h>; every framework header reaches it through here first.
// A translation unit that included <windows.h> before any framework header is refused, as the full
// framework refuses it: that one configures the Windows headers before it includes them, so code
// that compiles here in the other order would not compile against it.
#if defined(_WINDOWS_)
#error "<windows.h> was included before the framework: include the framework's headers (afx.h, afxwin.h or a class header) first"
#endif
#include <windows.h>
