#pragma once
// Everything the module uses of the framework.
#include "afx.h"
#include "CWinThread.h"
#include "CWinApp.h"
#include "AfxStaticModuleState.h"
#include "CWnd.h"
#include "CGdiObject.h"
#include "CPen.h"
#include "CDC.h"
#include "CPaintDC.h"
#include "CStatic.h"
#include "CDataExchange.h"
#include "CDialog.h"
