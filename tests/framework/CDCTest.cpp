// A device context puts back what it selected, also after an early return from a paint handler,
// and selecting allocates nothing. Every C++ allocation of this program is counted.
#include "AllocationCount.h"

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

// Paints with a pen and no brush and returns without selecting either back.
class EarlyReturnPainter : public CWnd
{
public:
    HGDIOBJ m_hPaintPen = nullptr;
    int m_nPaints = 0;

protected:
    afx_msg void OnPaint()
    {
        CPen pen(PS_SOLID, 3, RGB(10, 20, 30));
        CPaintDC dc(this);
        dc.SelectObject(&pen);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(1, 1, 8, 8);
        m_hPaintPen = pen.m_hObject;
        ++m_nPaints;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EarlyReturnPainter, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(CDC, PaintDcPutsBackWhatWasSelectedBeforeThePenIsDeleted)
{
    // A window with a device context of its own keeps what is selected into it between paints.
    WNDCLASSW windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"RimtoneOwnDcProbe";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, L"RimtoneOwnDcProbe", L"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    HDC own = ::GetDC(window);
    const HGDIOBJ pen = ::GetCurrentObject(own, OBJ_PEN);
    const HGDIOBJ brush = ::GetCurrentObject(own, OBJ_BRUSH);

    EarlyReturnPainter painter;
    ASSERT_TRUE(painter.SubclassWindow(window));
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
    ASSERT_EQ(painter.m_nPaints, 1);
    EXPECT_EQ(::GetCurrentObject(own, OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(own, OBJ_BRUSH), brush);
    EXPECT_EQ(::GetObjectType(painter.m_hPaintPen), 0u) << "the pen was still selected when it was deleted";
    ::ReleaseDC(window, own);
    ::DestroyWindow(window);
}

TEST(CDC, SelectReturnsWhatItReplacedWithoutAllocating)
{
    HDC memory = ::CreateCompatibleDC(nullptr);
    ASSERT_NE(memory, nullptr);
    const HGDIOBJ original = ::GetCurrentObject(memory, OBJ_PEN);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    {
        CDC dc;
        dc.Attach(memory);
        const long before = AllocationCount();
        for (int i = 0; i < 1000; ++i) {
            CPen* outer = dc.SelectObject(&red);
            CPen* inner = dc.SelectObject(&blue);
            ASSERT_EQ(outer->m_hObject, original);
            ASSERT_EQ(inner->m_hObject, red.m_hObject);
            dc.SelectObject(inner);
            dc.SelectObject(outer);
            CGdiObject* brush = dc.SelectStockObject(NULL_BRUSH);
            dc.SelectObject(brush);
        }
        EXPECT_EQ(AllocationCount() - before, 0);
        EXPECT_EQ(::GetCurrentObject(memory, OBJ_PEN), original);
        dc.SelectObject(&red);
        EXPECT_EQ(dc.Detach(), memory);
        EXPECT_EQ(::GetCurrentObject(memory, OBJ_PEN), red.m_hObject) << "a detached context is handed back as it is";
    }
    ::SelectObject(memory, original);
    ::DeleteDC(memory);
}
