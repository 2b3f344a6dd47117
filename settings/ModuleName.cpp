#include "ModuleName.h"

const CString ModuleName(L"Rimtone");
