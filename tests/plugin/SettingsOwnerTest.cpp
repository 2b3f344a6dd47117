// The settings event run from a host window on the calling thread: the dialog is owned by it and
// disables it, whether the host window is active or another program's window is in front.
#include "DialogDriver.h"
#include "RimtoneDllFixture.h"

namespace {

// A window of another thread, brought to the front and kept alive until the object goes away.
class ForeignWindow
{
public:
    ForeignWindow()
    {
        m_ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = ::CreateThread(nullptr, 0, &ForeignWindow::Run, this, 0, &m_threadId);
        ::WaitForSingleObject(m_ready, 5000);
    }

    ~ForeignWindow()
    {
        ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        ::WaitForSingleObject(m_thread, 5000);
        ::CloseHandle(m_thread);
        ::CloseHandle(m_ready);
    }

    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    HWND m_hWnd = nullptr;

private:
    static DWORD WINAPI Run(LPVOID parameter)
    {
        auto* self = static_cast<ForeignWindow*>(parameter);
        self->m_hWnd = ::CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300,
                                         300, 200, 100, nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(self->m_hWnd);
        ::SetActiveWindow(self->m_hWnd);
        ::SetEvent(self->m_ready);
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageW(&msg);
        ::DestroyWindow(self->m_hWnd);
        return 0;
    }

    HANDLE m_ready = nullptr;
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
};

// Lets the messages of this thread run for a moment, so that activation changes settle.
void Settle()
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 200) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
}

class SettingsOwnerTest : public RimtoneDllTest
{
protected:
    HWND host = nullptr;

    void SetUp() override
    {
        RimtoneDllTest::SetUp();
        StartCommand();
        host = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
    }

    void TearDown() override
    {
        if (host)
            ::DestroyWindow(host);
        RimtoneDllTest::TearDown();
    }

    // Runs the settings event; checks the owner while the dialog is open and ends it with `endKey`.
    void ConfirmAndCheckOwner(UINT endKey)
    {
        ModalScript script;
        HWND settings = nullptr;
        script.WaitFor(kSettingsCaption, &settings).Do([&] {
            EXPECT_EQ(::GetWindow(settings, GW_OWNER), host);
            EXPECT_FALSE(::IsWindowEnabled(host)) << "the host stays usable under the settings dialog";
            PressKey(endKey);
        });
        EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
        EXPECT_TRUE(script.Finished());
        EXPECT_TRUE(::IsWindowEnabled(host));
        EXPECT_EQ(::GetActiveWindow(), host);
    }
};

} // namespace

TEST_F(SettingsOwnerTest, ActiveHostWindowOwnsTheSettingsDialog)
{
    ::SetActiveWindow(host);
    ASSERT_EQ(::GetActiveWindow(), host);
    ConfirmAndCheckOwner(VK_ESCAPE);
    ConfirmAndCheckOwner(VK_RETURN);
}

TEST_F(SettingsOwnerTest, HostWindowOwnsTheSettingsDialogWhileAnotherProgramIsInFront)
{
    ::SetActiveWindow(host);
    ForeignWindow other;
    ASSERT_NE(other.m_hWnd, nullptr);
    Settle();
    ASSERT_EQ(::GetActiveWindow(), nullptr) << "this thread still has an active window";
    ConfirmAndCheckOwner(VK_ESCAPE);
}

TEST_F(SettingsOwnerTest, HostsLastActivePopupOwnsTheSettingsDialog)
{
    HWND palette = ::CreateWindowExW(0, L"STATIC", L"palette", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 100, 100,
                                     host, nullptr, nullptr, nullptr);
    ASSERT_NE(palette, nullptr);
    ::SetActiveWindow(palette);
    ForeignWindow other;
    Settle();
    ASSERT_EQ(::GetActiveWindow(), nullptr);
    ModalScript script;
    HWND settings = nullptr;
    script.WaitFor(kSettingsCaption, &settings).Do([&] {
        EXPECT_EQ(::GetWindow(settings, GW_OWNER), palette);
        EXPECT_FALSE(::IsWindowEnabled(palette));
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(::IsWindowEnabled(palette));
    ::DestroyWindow(palette);
}
