#pragma once
// The framework's core: objects, strings, message maps and module state.
#include "CString.h"
#include "CObject.h"
#include "CCmdTarget.h"
#include "AfxModuleState.h"
