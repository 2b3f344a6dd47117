#pragma once
// A static control of a dialog, bound to the framework object by DDX_Control.
#include "CWnd.h"

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
};
