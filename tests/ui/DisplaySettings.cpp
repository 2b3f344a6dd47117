#include "DisplaySettings.h"

#include <cstdio>
#include <cstdlib>

namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t kLogPixels[] = L"LogPixels";
// Where the display scale before a test's change waits until it is put back: a run killed in
// between leaves it here, and the next run puts it back first.
const wchar_t kSavedLogPixels[] = L"RimtoneTestSavedLogPixels";
const wchar_t kDpiVariable[] = L"RIMTONE_TEST_DPI";

constexpr DWORD kNoValue = 0xFFFFFFFF;

// LogPixels lives in the real HKEY_CURRENT_USER\Control Panel\Desktop: the tests' registry
// sandbox does not cover what Wine itself reads.
bool ReadDword(HKEY key, LPCWSTR name, DWORD* value)
{
    DWORD size = sizeof *value;
    DWORD type = 0;
    return ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

void WriteDword(HKEY key, LPCWSTR name, DWORD value)
{
    ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// Sets LogPixels for as long as the object lives.
class ScopedLogPixels
{
public:
    explicit ScopedLogPixels(int dpi)
    {
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                              &m_key, nullptr) != ERROR_SUCCESS) {
            m_key = nullptr;
            return;
        }
        PutBackSaved();  // what a killed run left behind
        DWORD before = 0;
        WriteDword(m_key, kSavedLogPixels, ReadDword(m_key, kLogPixels, &before) ? before : kNoValue);
        WriteDword(m_key, kLogPixels, static_cast<DWORD>(dpi));
    }

    ~ScopedLogPixels()
    {
        if (!m_key)
            return;
        PutBackSaved();
        ::RegCloseKey(m_key);
    }

    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

    bool IsSet() const { return m_key != nullptr; }

private:
    void PutBackSaved()
    {
        DWORD saved = 0;
        if (!ReadDword(m_key, kSavedLogPixels, &saved))
            return;
        if (saved == kNoValue)
            ::RegDeleteValueW(m_key, kLogPixels);
        else
            WriteDword(m_key, kLogPixels, saved);
        ::RegDeleteValueW(m_key, kSavedLogPixels);
    }

    HKEY m_key = nullptr;
};

} // namespace

ScopedHighContrast::ScopedHighContrast()
{
    // The "High Contrast Black" scheme's colours for what the dialogs draw with.
    const struct { int element; COLORREF color; } scheme[] = {
        { COLOR_3DFACE, RGB(0, 0, 0) },          { COLOR_BTNTEXT, RGB(255, 255, 255) },
        { COLOR_WINDOW, RGB(0, 0, 0) },          { COLOR_WINDOWTEXT, RGB(255, 255, 255) },
        { COLOR_HIGHLIGHT, RGB(26, 235, 255) },  { COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0) },
        { COLOR_3DHIGHLIGHT, RGB(255, 255, 255) }, { COLOR_3DSHADOW, RGB(255, 255, 255) },
    };
    std::vector<COLORREF> colors;
    for (const auto& entry : scheme) {
        m_elements.push_back(entry.element);
        m_saved.push_back(::GetSysColor(entry.element));
        colors.push_back(entry.color);
    }
    ::SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), colors.data());
}

ScopedHighContrast::~ScopedHighContrast()
{
    ::SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), m_saved.data());
}

int RunAgainAtDpi(int dpi, const std::wstring& arguments)
{
    wchar_t program[MAX_PATH] = {};
    if (!::GetModuleFileNameW(nullptr, program, MAX_PATH))
        return -1;
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" " + arguments;
    ::SetEnvironmentVariableW(kDpiVariable, std::to_wstring(dpi).c_str());

    ScopedLogPixels scale(dpi);
    // The child writes its results where this program writes its own.
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    ::fflush(stdout);
    const BOOL started = scale.IsSet() && ::CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                                           nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableW(kDpiVariable, nullptr);
    if (!started)
        return -1;
    DWORD exitCode = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &exitCode);
    else
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

int ChildTestDpi()
{
    const char* value = std::getenv("RIMTONE_TEST_DPI");
    return value ? std::atoi(value) : 0;
}
