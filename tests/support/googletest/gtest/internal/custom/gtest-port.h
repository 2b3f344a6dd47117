#pragma once
// GoogleTest's own customisation point, found before its empty default. The win32 thread model's
// C++ library (see cmake/mingw-w64-x86_64.cmake) has no std::mutex or std::condition_variable, on
// which GoogleTest builds its one-shot notification between threads; here it is a Windows event.
// The rest of GoogleTest's thread support on Windows is Win32 already.
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification
{
public:
    Notification() : m_event(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { ::CloseHandle(m_event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { ::SetEvent(m_event); }
    void WaitForNotification() { ::WaitForSingleObject(m_event, INFINITE); }

private:
    HANDLE m_event;
};

} // namespace internal
} // namespace testing
