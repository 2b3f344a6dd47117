// A modal dialog whose code throws ends: DoModal returns -1 instead of unwinding into its caller,
// the window is gone and the owner is enabled and active again.
#include "DialogDriver.h"
#include "PvStColorDlg.h"
#include "SwatchControls.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

enum class ThrowIn { OnInitDialog, PreTranslateMessage, Handler, ControlPaint };

// A control of the dialog whose own paint handler throws.
class ThrowingPaint : public CWnd
{
protected:
    afx_msg void OnPaint() { throw std::runtime_error("paint"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingPaint, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// The picker with one place that throws.
class ThrowingPicker : public PvStColorDlg
{
public:
    explicit ThrowingPicker(ThrowIn where) : m_where(where) {}

protected:
    BOOL OnInitDialog() override
    {
        PvStColorDlg::OnInitDialog();
        if (m_where == ThrowIn::ControlPaint)
            m_okButton.SubclassWindow(::GetDlgItem(m_hWnd, IDOK));
        if (m_where == ThrowIn::OnInitDialog)
            throw std::runtime_error("init");
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_where == ThrowIn::PreTranslateMessage && pMsg->message == WM_KEYDOWN)
            throw std::runtime_error("key");
        return PvStColorDlg::PreTranslateMessage(pMsg);
    }

    afx_msg void OnFirstSwatchClicked()
    {
        if (m_where == ThrowIn::Handler)
            throw std::runtime_error("click");
    }

    DECLARE_MESSAGE_MAP()

private:
    ThrowIn m_where;
    ThrowingPaint m_okButton;
};

BEGIN_MESSAGE_MAP(ThrowingPicker, PvStColorDlg)
    ON_CONTROL(STN_CLICKED, IDC_COLOR01, &ThrowingPicker::OnFirstSwatchClicked)
END_MESSAGE_MAP()

class DialogFailureTest : public ::testing::Test
{
protected:
    HWND owner = nullptr;

    void SetUp() override
    {
        owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        ::SetActiveWindow(owner);
    }

    void TearDown() override { ::DestroyWindow(owner); }

    // Runs the picker with `act` once it shows, then checks that it ended cleanly with -1. Without
    // `act` the picker has to end by itself; one that stays open fails the script's time-out, which
    // closes it, instead of hanging the test.
    void ExpectEndsWithMinusOne(ThrowIn where, std::function<void(HWND)> act)
    {
        ThrowingPicker picker(where);
        ModalScript script;
        if (act) {
            HWND w = nullptr;
            script.WaitFor(kPickerCaption, &w).Do([&] {
                EXPECT_FALSE(::IsWindowEnabled(owner));
                act(w);
            });
        } else {
            script.Then([] { return false; });
        }
        INT_PTR result = 0;
        EXPECT_NO_THROW(result = picker.DoModal());
        EXPECT_EQ(result, -1);
        if (act) {
            EXPECT_TRUE(script.Finished());
        }
        EXPECT_EQ(picker.m_hWnd, nullptr);
        EXPECT_EQ(FindShownDialog(kPickerCaption), nullptr);
        EXPECT_TRUE(::IsWindowEnabled(owner));
        EXPECT_EQ(::GetActiveWindow(), owner);
    }
};

} // namespace

TEST_F(DialogFailureTest, ThrowInOnInitDialog)
{
    ExpectEndsWithMinusOne(ThrowIn::OnInitDialog, nullptr);
}

TEST_F(DialogFailureTest, ThrowInPreTranslateMessage)
{
    ExpectEndsWithMinusOne(ThrowIn::PreTranslateMessage, [](HWND) { PressKey(VK_ESCAPE); });
}

TEST_F(DialogFailureTest, ThrowInAMessageHandler)
{
    ExpectEndsWithMinusOne(ThrowIn::Handler, [](HWND w) { Click(w, PickerSwatchId(1)); });
}

TEST_F(DialogFailureTest, ThrowInAControlsHandlerEndsTheDialogItBelongsTo)
{
    ExpectEndsWithMinusOne(ThrowIn::ControlPaint, nullptr);
}
