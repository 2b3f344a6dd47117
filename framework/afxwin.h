#pragma once
// Everything the module uses of the framework.
#include "afx.h"
#include "CWinThread.h"
#include "CWinApp.h"
#include "AfxStaticModuleState.h"
