// The message map calls each handler with its own signature and the message's arguments, also
// for a class whose window base does not sit at the start of the object.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

// Comes first among the bases, so that the window part of a Dispatcher sits at an offset and a
// handler's pointer carries an adjustment of `this`.
struct Tally
{
    virtual ~Tally() = default;
    int calls = 0;
};

class Dispatcher : public Tally, public CWnd
{
public:
    const Dispatcher* self = nullptr;
    UINT rangeId = 0;
    int singleCalls = 0;
    HDC colorDc = nullptr;
    HWND colorWindow = nullptr;
    UINT colorType = 99;

protected:
    afx_msg void OnRange(UINT nID)
    {
        ++calls;
        self = this;
        rangeId = nID;
    }
    afx_msg void OnSingle()
    {
        ++calls;
        self = this;
        ++singleCalls;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++calls;
        self = this;
        colorDc = pDC->m_hDC;
        colorWindow = pWnd->m_hWnd;
        colorType = nCtlColor;
        return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Dispatcher, CWnd)
    ON_CONTROL_RANGE(STN_CLICKED, 10, 20, &Dispatcher::OnRange)
    ON_COMMAND(7, &Dispatcher::OnSingle)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

} // namespace

TEST(MessageMap, EachHandlerRunsWithItsSignatureAndTheMessagesArguments)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"RimtoneMessageMapProbe";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, L"RimtoneMessageMapProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    Dispatcher dispatcher;
    ASSERT_TRUE(dispatcher.SubclassWindow(window));

    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(12, STN_CLICKED), 0);
    EXPECT_EQ(dispatcher.rangeId, 12u);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(21, STN_CLICKED), 0);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(12, STN_DBLCLK), 0);
    EXPECT_EQ(dispatcher.calls, 1) << "an id outside the range or another notification reached the handler";

    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0);
    EXPECT_EQ(dispatcher.singleCalls, 1);

    HDC dc = ::GetDC(window);
    const LRESULT brush = ::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(dispatcher.colorDc, dc);
    EXPECT_EQ(dispatcher.colorWindow, window);
    EXPECT_EQ(dispatcher.colorType, static_cast<UINT>(CTLCOLOR_STATIC));
    ::SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(dispatcher.colorType, static_cast<UINT>(CTLCOLOR_EDIT));
    ::ReleaseDC(window, dc);

    EXPECT_EQ(dispatcher.calls, 4);
    EXPECT_EQ(dispatcher.self, &dispatcher) << "a handler ran with the wrong object";
    ::DestroyWindow(window);
}
