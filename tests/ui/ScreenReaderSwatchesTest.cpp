// What the screen-reader tests of the plug-in cannot reach yet, since no dialog tells it: a swatch's
// description, and an unavailable swatch, whose default action is refused. Read through MSAA on the
// swatch's own thread.
#include "ScreenReaderSwatches.h"

#include <gtest/gtest.h>

TEST(ScreenReaderSwatches, AnUnavailableSwatchSaysSoAndWhyAndCannotBePressed)
{
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
    struct { HWND m_hWnd; } swatches[1] = { { ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_TABSTOP | SS_NOTIFY,
                                                                 10, 10, 30, 30, parent, nullptr, nullptr, nullptr) } };
    ASSERT_NE(swatches[0].m_hWnd, nullptr);
    {
        ScreenReaderSwatches served;
        served.Attach(swatches, [](int, SwatchFacts& facts) {
            facts.name = L"MAINCOLOR02";
            facts.description = L"locked";
            facts.defaultAction = L"Press";
            facts.unavailable = true;
        });
        IAccessible* object = nullptr;
        ASSERT_EQ(::AccessibleObjectFromWindow(swatches[0].m_hWnd, static_cast<DWORD>(OBJID_CLIENT),
                                               __uuidof(IAccessible), reinterpret_cast<void**>(&object)), S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR description = nullptr;
        EXPECT_EQ(object->get_accDescription(self, &description), S_OK);
        EXPECT_EQ(std::wstring(description ? description : L""), L"locked");
        ::SysFreeString(description);
        VARIANT state{};
        EXPECT_EQ(object->get_accState(self, &state), S_OK);
        EXPECT_EQ(state.lVal & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE), STATE_SYSTEM_UNAVAILABLE);
        EXPECT_EQ(object->accDoDefaultAction(self), E_FAIL);
        object->Release();
    }
    ::DestroyWindow(parent);
}
