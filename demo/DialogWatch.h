#pragma once
// Watches the calling thread's windows while a command is meant to show a dialog, so that a
// dialog the user closed is told from one that could not open (no display): the command's result
// is the same for both.
#include <windows.h>

class DialogWatch
{
public:
    DialogWatch();
    ~DialogWatch();
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    // Whether a dialog window became active, as a shown dialog does, while the watch ran.
    bool DialogShown() const { return m_shown; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);

    static DialogWatch* s_active;
    HHOOK m_hook;
    bool m_shown = false;
};
