#pragma once
// The settings dialog of the confirmation that is running, if any. The host may deliver the
// confirmation again while the dialog is open (its modal loop dispatches the host's timers and
// posted messages, and a tool window the host owns stays enabled); a second dialog on top of the
// first would let the outer one's OK write its stale swatches over a pick made in the inner one.
#include <afxwin.h>

class OpenSettingsDialog
{
public:
    // Marks `dialog` as the open settings dialog until this object goes away.
    explicit OpenSettingsDialog(const CWnd& dialog);
    ~OpenSettingsDialog();
    OpenSettingsDialog(const OpenSettingsDialog&) = delete;
    OpenSettingsDialog& operator=(const OpenSettingsDialog&) = delete;

    // When a settings dialog is open, restores the window the user answers in (the picker when it is
    // open over the dialog) where minimised, brings it to the front and returns true; false when
    // none is open.
    static bool BringForward();

private:
    static const CWnd* s_dialog;
};
