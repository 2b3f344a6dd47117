// Compiles: the framework first, then <windows.h> again, as code of the module may.
#include <afx.h>

#include <windows.h>
