#include "SettingsCommand.h"

#include "OpenSettingsDialog.h"

#include <afxwin.h>

#include <CategoryColors.h>
#include <RimtoneDlg.h>

int RunSettingsCommand()
{
    // A confirmation delivered while the dialog is open: one dialog at a time, nothing saved.
    if (OpenSettingsDialog::BringForward())
        return 0;
    try {
        // The dialog templates are the module's own: its state is current until the road ends.
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        RimtoneDlg dialog;
        OpenSettingsDialog open(dialog);
        if (dialog.DoModal() == IDOK) {
            CString names[CategorySlotCount];
            for (int slot = 0; slot < CategorySlotCount; ++slot)
                names[slot] = dialog.m_aSwatches[slot].m_strColorName;
            // A slot the administrator locks keeps the user's own value as it is.
            SaveCategoryColorNames(names, dialog.m_policy);
            LoadCategoryColors();
        }
        return 0;
    } catch (...) {
        return 0;
    }
}
