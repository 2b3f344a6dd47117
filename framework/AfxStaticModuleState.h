#pragma once
// The module's own state, for AFX_MANAGE_STATE at every entry from the host into the module.
#include "AfxModuleState.h"

// The state of the module this code is linked into, created at the module's static
// initialisation; its instance and resource handles are the module's own.
AFX_MODULE_STATE* AfxGetStaticModuleState();
