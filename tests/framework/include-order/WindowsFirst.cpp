// Must not compile: <windows.h> before the framework, which the full framework refuses too.
#include <windows.h>

#include <afx.h>
