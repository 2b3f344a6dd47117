// Opening, painting and closing the dialogs over and over leaves no GDI object and no handle behind.
// Both counts are exact and stable across clean openings, so a leak of one object per opening
// shows as kCycles more; the self-checks below plant such leaks to show that they are caught.
#include "DialogDriver.h"
#include "GdiCount.h"
#include "HandleCount.h"
#include "PvStColorDlg.h"
#include "RegistrySandbox.h"
#include "resource.h"
#include "RimtoneDlg.h"

#include <gtest/gtest.h>

namespace {

// Openings per measurement: enough that one leaked object per opening stands far out of a count
// that clean openings leave exactly as it was.
constexpr int kCycles = 30;

// A picker whose every paint leaks one pen, to show that the count would catch it.
class LeakyPicker : public PvStColorDlg
{
protected:
    afx_msg void OnPaint()
    {
        PvStColorDlg::OnPaint();
        ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LeakyPicker, PvStColorDlg)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A picker whose every opening leaks one kernel handle.
class HandleLeakingPicker : public PvStColorDlg
{
protected:
    BOOL OnInitDialog() override
    {
        ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        return PvStColorDlg::OnInitDialog();
    }
};

// One opening: the dialog under test and what the timer has done to it so far.
struct Cycle
{
    CDialog* dialog;
    bool opensPicker;  // the settings dialog: a swatch click opens the picker
    bool pickerOpened = false;
    int ticks = 0;
};
Cycle* g_cycle = nullptr;

// Ticks inside the modal loops; WM_TIMER comes only when every paint is done.
void CALLBACK CycleTick(HWND, UINT, UINT_PTR, DWORD)
{
    Cycle& cycle = *g_cycle;
    HWND settings = cycle.opensPicker ? cycle.dialog->m_hWnd : nullptr;
    if (++cycle.ticks > 500) {
        ADD_FAILURE() << "a cycle did not end";
        if (HWND picker = FindShownDialog(kPickerCaption))
            ::PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
        if (settings)
            ::PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
    } else if (HWND picker = FindShownDialog(kPickerCaption)) {
        // The picker has painted its swatches and frames: a double click ends it with a pick,
        // and the settings dialog then ends with OK.
        DoubleClick(picker, IDC_COLOR16);
        if (settings)
            ::PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (settings && !cycle.pickerOpened && ::IsWindowVisible(settings)) {
        cycle.pickerOpened = true;
        Click(settings, IDC_SWATCH_REAMER);
    }
}

// Runs `count` openings of a fresh dialog of type D; each must end with OK.
template <class D> void RunCycles(int count, bool opensPicker)
{
    for (int i = 0; i < count; ++i) {
        D dialog;
        Cycle cycle{ &dialog, opensPicker };
        g_cycle = &cycle;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &CycleTick);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        g_cycle = nullptr;
        ASSERT_EQ(result, IDOK) << "opening " << i;
    }
}

} // namespace

TEST(UiLeaks, OpeningPaintingAndClosingBothDialogsLeavesTheCountsUnchanged)
{
    RegistrySandbox sandbox;
    RunCycles<RimtoneDlg>(5, true);  // warm-up: fonts, classes and objects the system makes once
    const std::size_t gdiBefore = CountGdiObjects();
    const std::size_t handlesBefore = CountProcessHandles();
    ASSERT_GT(gdiBefore, 0u) << "the GDI object count is not readable";
    ASSERT_GT(handlesBefore, 0u) << "the handle count is not readable";

    RunCycles<RimtoneDlg>(kCycles, true);

    EXPECT_EQ(CountGdiObjects(), gdiBefore);
    EXPECT_EQ(CountProcessHandles(), handlesBefore);
    EXPECT_EQ(StoredName(L"mColor301"), L"MAINCOLOR16");
}

TEST(UiLeaks, ALeakedPenPerPaintOrHandlePerOpeningIsCaught)
{
    RunCycles<PvStColorDlg>(3, false);
    const std::size_t clean = CountGdiObjects();
    const std::size_t handles = CountProcessHandles();
    RunCycles<PvStColorDlg>(kCycles, false);
    EXPECT_EQ(CountGdiObjects(), clean);
    EXPECT_EQ(CountProcessHandles(), handles);

    RunCycles<LeakyPicker>(kCycles, false);
    EXPECT_GE(CountGdiObjects(), clean + kCycles);

    RunCycles<HandleLeakingPicker>(kCycles, false);
    EXPECT_GE(CountProcessHandles(), handles + kCycles);
}
