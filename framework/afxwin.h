#pragma once
// Everything the module uses of the framework.
#include "afx.h"
