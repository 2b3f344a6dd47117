#pragma once
#include <afx.h>

// The module's own name, "Rimtone": the last component of its settings registry key.
extern const CString ModuleName;
