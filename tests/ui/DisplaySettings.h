#pragma once
// Display settings a person may have, set for a test and put back on every way out: a
// high-contrast colour scheme, and another display scale for a child process.
#include <windows.h>

#include <string>
#include <vector>

// A high-contrast (black) scheme through SetSysColors, which changes the whole Wine session: the
// colours before are put back when the object goes away.
class ScopedHighContrast
{
public:
    ScopedHighContrast();
    ~ScopedHighContrast();
    ScopedHighContrast(const ScopedHighContrast&) = delete;
    ScopedHighContrast& operator=(const ScopedHighContrast&) = delete;

private:
    std::vector<int> m_elements;
    std::vector<COLORREF> m_saved;
};

// Runs this program again with `arguments` in a process that starts at `dpi` (Wine reads the
// display scale, "LogPixels" under HKCU\Control Panel\Desktop, when a process starts). The value
// is set for the child's run only and put back before this returns, also after a run that was
// killed part-way (the value before is kept beside it until then). The child sees
// RIMTONE_TEST_DPI = dpi. Returns the child's exit code, or -1 when it did not run. Call it with
// no RegistrySandbox alive: the display scale must reach the real user's key.
int RunAgainAtDpi(int dpi, const std::wstring& arguments);

// The DPI a child started by RunAgainAtDpi runs at; 0 in a process of the ordinary run.
int ChildTestDpi();
