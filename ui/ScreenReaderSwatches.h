#pragma once
// A dialog's swatches served to screen readers (MSAA), in this process and in others: each swatch
// window answers WM_GETOBJECT with an accessible object (SwatchAccessibleObject) whose facts its
// dialog tells, does a click when a screen reader asks for the default action, and announces what
// changed. Lives on the dialog's thread.
#include <afxwin.h>

#include <functional>
#include <memory>
#include <vector>

#include "ComApartment.h"
#include "SwatchFacts.h"

class ScreenReaderSwatches
{
public:
    // Tells the facts of the swatch at an index of the array given to Attach; runs on the dialog's
    // thread whenever a client reads a swatch.
    using Describe = std::function<void(int index, SwatchFacts& facts)>;

    ScreenReaderSwatches();
    ~ScreenReaderSwatches();
    ScreenReaderSwatches(const ScreenReaderSwatches&) = delete;
    ScreenReaderSwatches& operator=(const ScreenReaderSwatches&) = delete;

    // Serves the swatches, once their windows are bound (after the dialog's data exchange). The
    // thread's COM apartment is used, or made where it has none, until this object goes.
    template <class Swatch, size_t N> void Attach(Swatch (&swatches)[N], Describe describe)
    {
        std::vector<HWND> windows;
        for (Swatch& swatch : swatches)
            windows.push_back(swatch.m_hWnd);
        AttachWindows(windows, std::move(describe));
    }

    // Tells clients what changed since the last call (names, values, states), as soon as it changed.
    void Refresh();

private:
    struct Swatch;

    void AttachWindows(const std::vector<HWND>& windows, Describe describe);
    // Stops serving one swatch: its window procedure back, its object cut off from its clients.
    static void Release(Swatch& swatch);
    static LRESULT CALLBACK SwatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSwatchMessage(Swatch& swatch, UINT message, WPARAM wParam, LPARAM lParam);
    bool DescribeSafely(const Swatch& swatch, SwatchFacts& facts) const;

    std::unique_ptr<ComApartment> m_apartment;
    std::vector<std::unique_ptr<Swatch>> m_swatches;
    Describe m_describe;
    UINT m_factsMessage = 0;
    UINT m_actionMessage = 0;
};
