#pragma once
// Drives the module's modal dialogs the way a person would, from a thread timer that ticks inside
// their modal loops: waits for a dialog to show, clicks controls, presses keys on the focused
// control, and reads back what is on the screen. The dialogs are the framework's, and the framework
// comes before <windows.h>: this header brings it in first for every test that includes it.
#include <afxwin.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

extern const wchar_t kSettingsCaption[];
extern const wchar_t kPickerCaption[];
extern const wchar_t kSettingsKey[];

// Steps run one per timer tick, in order; a step that returns false is tried again at the next
// tick. WM_TIMER comes only when the queue is empty, so each step sees the effects of the last.
class ModalScript
{
public:
    using Step = std::function<bool()>;

    explicit ModalScript(DWORD stepTimeoutMs = 5000);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    ModalScript& Then(Step step);
    ModalScript& Do(std::function<void()> action);
    // Waits until a dialog with the caption is shown; its window goes to *dialog.
    ModalScript& WaitFor(LPCWSTR caption, HWND* dialog = nullptr);
    bool Finished() const { return m_steps.empty() && !m_timedOut; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunOneStep();

    std::deque<Step> m_steps;
    UINT_PTR m_timer = 0;
    DWORD m_stepTimeout;
    DWORD m_stepStart;
    bool m_busy = false;
    bool m_timedOut = false;
};

// Every window of this thread with the caption, shown or not.
std::vector<HWND> ThreadWindowsCaptioned(LPCWSTR caption);
// The visible dialog of this thread with the caption, or null.
HWND FindShownDialog(LPCWSTR caption);
// Left click (down, up) on a control, in its client coordinates, through the dialog's queue.
void Click(HWND dialog, int controlId);
// What the system delivers for a double click: down, up, double-click, up.
void DoubleClick(HWND dialog, int controlId);
// Posts a key press to the control that has the focus.
void PressKey(UINT virtualKey);
// Holds Shift down (or lets it go) in this thread's keyboard state, which the dialog manager reads
// for Shift+Tab; a posted key does not change that state by itself.
void HoldShift(bool down);

// The mouse comes to rest in the middle of a control, as a person moves it there: the cursor moves
// and the window under it (the dialog, when the control is disabled) gets the move.
void RestMouseOn(HWND dialog, int controlId);
// The tooltip window owned by `owner`, or null.
HWND TooltipOwnedBy(HWND owner);

// Colour at (x, y) of a control's client area, as painted.
COLORREF ControlPixel(HWND dialog, int controlId, int x, int y);
// Colour at (x, y) of a window's client area, as painted.
COLORREF ClientPixel(HWND window, int x, int y);
// True when the whole client area of the control is one colour.
bool ControlIsSolid(HWND dialog, int controlId, COLORREF color);
// The control's window rectangle in its dialog's client coordinates.
RECT ControlRectInDialog(HWND dialog, int controlId);
// Colour of the frame line drawn 3 pixels outside a control's window rectangle (left edge).
COLORREF FrameColor(HWND dialog, int controlId);

// Registry value text under the settings key; "<missing>" when there is none.
std::wstring StoredName(LPCWSTR valueName);
