#include "OpenSettingsDialog.h"

#include <afxwin.h>

const CWnd* OpenSettingsDialog::s_dialog = nullptr;

OpenSettingsDialog::OpenSettingsDialog(const CWnd& dialog)
{
    s_dialog = &dialog;
}

OpenSettingsDialog::~OpenSettingsDialog()
{
    s_dialog = nullptr;
}

namespace {

struct OwnedWindowSearch
{
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindVisibleOwnedWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<OwnedWindowSearch*>(lParam);
    if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) != search->owner)
        return TRUE;
    search->found = hWnd;
    return FALSE;
}

// The window at the end of the chain of visible windows owned by `hWnd`: a modal window over the
// dialog (the picker, or a message box over it) is where the user has to answer.
HWND InnermostOwnedWindow(HWND hWnd)
{
    // The chain is short (dialog, picker); the bound only guards against an owner cycle.
    for (int depth = 0; depth < 8; ++depth) {
        OwnedWindowSearch search{ hWnd, nullptr };
        ::EnumThreadWindows(::GetWindowThreadProcessId(hWnd, nullptr), &FindVisibleOwnedWindow,
                            reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            break;
        hWnd = search.found;
    }
    return hWnd;
}

} // namespace

bool OpenSettingsDialog::BringForward()
{
    if (!s_dialog)
        return false;
    // Before its window exists (while the template is being created) there is nothing to show yet.
    HWND hWnd = s_dialog->m_hWnd;
    if (!hWnd || !::IsWindow(hWnd))
        return true;
    // Minimised, the dialog hides the picker it owns, which comes back as the dialog is restored;
    // the picker may have been minimised on its own as well.
    if (::IsIconic(hWnd))
        ::ShowWindow(hWnd, SW_RESTORE);
    HWND front = InnermostOwnedWindow(hWnd);
    if (::IsIconic(front))
        ::ShowWindow(front, SW_RESTORE);
    ::BringWindowToTop(front);
    ::SetForegroundWindow(front);
    return true;
}
