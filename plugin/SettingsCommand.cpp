#include "SettingsCommand.h"

#include <afxwin.h>

int RunSettingsCommand()
{
    try {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        // The settings dialog is not part of the module yet: nothing is opened.
        return 0;
    } catch (...) {
        return 0;
    }
}
