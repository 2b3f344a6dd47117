// Binding a framework object to a window and letting it go, also when someone else subclassed the
// window after the object did.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

const UINT kProbe = WM_APP + 7;
int g_originalProbes = 0;
WNDPROC g_outerNext = nullptr;

// The window's own procedure: counts the probe message, which DefWindowProc would swallow.
LRESULT CALLBACK OriginalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe) {
        ++g_originalProbes;
        return 42;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// Another component's subclass, installed after the framework's, forwarding everything.
LRESULT CALLBACK OuterProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(g_outerNext, hWnd, message, wParam, lParam);
}

class SubclassTest : public ::testing::Test
{
protected:
    HWND window = nullptr;

    void SetUp() override
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &OriginalProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RimtoneSubclassProbe";
        ::RegisterClassW(&windowClass);
        window = ::CreateWindowExW(0, L"RimtoneSubclassProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        g_originalProbes = 0;
    }

    void TearDown() override
    {
        if (window)
            ::DestroyWindow(window);
    }

    LONG_PTR CurrentProc() const { return ::GetWindowLongPtrW(window, GWLP_WNDPROC); }
};

} // namespace

TEST_F(SubclassTest, UnsubclassPutsTheOriginalProcedureBack)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(window));
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &wnd);
    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 42) << "unhandled messages reach the original procedure";
    EXPECT_EQ(wnd.UnsubclassWindow(), window);
    EXPECT_EQ(CurrentProc(), reinterpret_cast<LONG_PTR>(&OriginalProc));
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 42);
    EXPECT_EQ(g_originalProbes, 2);
    EXPECT_TRUE(wnd.SubclassWindow(window)) << "the window can be bound again";
}

TEST_F(SubclassTest, UnsubclassUnderAnotherSubclassLeavesItInPlaceAndKeepsTheOriginalReachable)
{
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(window));
        g_outerNext = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));

        EXPECT_EQ(wnd.UnsubclassWindow(), nullptr) << "refused: the window's procedure is no longer ours";
        EXPECT_EQ(CurrentProc(), reinterpret_cast<LONG_PTR>(&OuterProc)) << "the later subclass is not cut off";
        EXPECT_EQ(wnd.m_hWnd, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
        EXPECT_FALSE(wnd.SubclassWindow(window)) << "our procedure is still in the chain";
    }
    // The object is gone; the chain still runs through the framework's procedure to the original.
    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 42);
    EXPECT_EQ(g_originalProbes, 1);
    EXPECT_TRUE(::DestroyWindow(window));
    window = nullptr;
}

TEST_F(SubclassTest, ObjectDestroyedWhileSubclassedOverLetsGoSafely)
{
    auto* wnd = new CWnd;
    ASSERT_TRUE(wnd->SubclassWindow(window));
    g_outerNext = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
    delete wnd;
    EXPECT_EQ(CurrentProc(), reinterpret_cast<LONG_PTR>(&OuterProc));
    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 42);
    EXPECT_EQ(g_originalProbes, 1);
}

namespace {

class ThrowsAtNcDestroy : public CWnd
{
protected:
    void PostNcDestroy() override { throw 1; }
};

} // namespace

TEST_F(SubclassTest, ThrowAtTheLastMessageStaysInTheWindowProcedure)
{
    ThrowsAtNcDestroy wnd;
    ASSERT_TRUE(wnd.SubclassWindow(window));
    BOOL destroyed = FALSE;
    EXPECT_NO_THROW(destroyed = ::DestroyWindow(window));
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    window = nullptr;
}

namespace {

const UINT kInner = WM_APP + 8;

// Handles the probe by sending itself a message whose handler throws, then forwards the probe.
class ThrowsInANestedMessage : public CWnd
{
protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == kProbe) {
            ::SendMessageW(m_hWnd, kInner, 0, 0);
            *pResult = Default();
            return TRUE;
        }
        if (message == kInner)
            throw 1;
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
};

} // namespace

TEST_F(SubclassTest, DefaultAfterANestedMessageThrewForwardsTheMessageBeingHandled)
{
    ThrowsInANestedMessage wnd;
    ASSERT_TRUE(wnd.SubclassWindow(window));
    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 42);
    EXPECT_EQ(g_originalProbes, 1);
}
