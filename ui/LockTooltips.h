#pragma once
// The tooltips of the swatches the administrator locked. A disabled control gets no mouse input, so
// the tooltip belongs to the dialog: each tool is a swatch's rectangle in the dialog's client area,
// and the dialog hands the tooltip its mouse messages.
#include <afx.h>

class LockTooltips
{
public:
    // "The administrator chose this colour", in the dialog's language.
    static const wchar_t kLockedText[];

    LockTooltips() = default;
    ~LockTooltips();
    LockTooltips(const LockTooltips&) = delete;
    LockTooltips& operator=(const LockTooltips&) = delete;

    // What a locked swatch's tooltip says: kLockedText, and the administrator's note below it.
    static CString TextFor(const CString& note);

    // Shows `text` while the mouse rests on the swatch, a child of `dialog`, replacing what it
    // showed before. Makes the tooltip window, owned by the dialog, the first time.
    void Show(HWND dialog, HWND swatch, const CString& text);
    // Takes the swatch's tooltip away.
    void Remove(HWND dialog, HWND swatch);
    // Hands a mouse message of the dialog or one of its controls to the tooltip.
    void Relay(const MSG& msg);

    // The tooltip window; null until a swatch was locked.
    HWND Window() const { return m_tooltip; }

private:
    HWND m_tooltip = nullptr;
};
