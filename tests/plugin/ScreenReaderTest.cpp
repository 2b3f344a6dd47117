// The swatches as a screen reader in another program sees them: MSAA read by a second process
// (msaa_probe), roles, names, values, states and default actions before and after a pick made by
// the screen reader, the events that announce a change, the COM state of the host's thread left as
// the host set it up, and objects held in the host's process past the dialog and the unload.
#include "DialogDriver.h"
#include "RimtoneDllFixture.h"
#include "resource.h"

#include <imm.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

// One window as the probe reported it.
struct Seen
{
    std::wstring name;
    std::wstring value;
    long state = -1;
    long role = -1;
    std::wstring defaultAction;
    std::wstring description;
};

std::wstring FromUtf8(const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], size);
    return text;
}

// Waits for the object while running this thread's messages: the dialogs of this thread answer
// the requests of other threads and processes through them, all but what is posted to `holdBack`,
// which is posted again afterwards. False after the timeout.
bool WaitRunningMessages(HANDLE object, DWORD timeoutMs, HWND holdBack = nullptr)
{
    const DWORD start = ::GetTickCount();
    std::vector<MSG> held;
    for (;;) {
        if (::MsgWaitForMultipleObjects(1, &object, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (holdBack && msg.hwnd == holdBack)
                held.push_back(msg);
            else
                ::DispatchMessageW(&msg);
        }
        if (::GetTickCount() - start > timeoutMs)
            return false;
    }
    for (const MSG& msg : held)
        ::PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
}

std::wstring ProbePath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"msaa_probe.exe";
}

// Runs the probe on the windows and waits for it, running this thread's messages meanwhile: the
// probe's requests are answered by the windows' thread, which is this one. The probe also does the
// default action of `press`, one of the windows; what that posts waits, and the call must return.
std::vector<Seen> ReadFromAnotherProcess(std::initializer_list<HWND> windows, HWND press = nullptr)
{
    std::wstring commandLine = L"\"" + ProbePath() + L"\"";
    for (HWND hWnd : windows) {
        wchar_t handle[32];
        swprintf(handle, 32, L" %s%llx", hWnd == press ? L"!" : L"",
                 static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hWnd)));
        commandLine += handle;
    }
    SECURITY_ATTRIBUTES inherit{ sizeof(inherit), nullptr, TRUE };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16)) {
        ADD_FAILURE() << "CreatePipe failed: " << ::GetLastError();
        return {};
    }
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                          nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    if (!started) {
        ADD_FAILURE() << "the probe did not start: " << ::GetLastError();
        ::CloseHandle(readEnd);
        return {};
    }
    ::CloseHandle(process.hThread);
    if (!WaitRunningMessages(process.hProcess, 20000, press)) {
        ADD_FAILURE() << "the probe did not finish in 20 s";
        ::TerminateProcess(process.hProcess, 3);
        ::WaitForSingleObject(process.hProcess, 5000);
    }
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << "the probe got no accessible object for a window";

    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        output.append(buffer, read);
    ::CloseHandle(readEnd);

    std::vector<Seen> seen;
    size_t lineStart = 0;
    for (size_t end; (end = output.find('\n', lineStart)) != std::string::npos; lineStart = end + 1) {
        std::string line = output.substr(lineStart, end - lineStart);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> field;
        for (size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1)
            field.push_back(line.substr(from, (tab = line.find('\t', from)) - from));
        if (field.size() != 6)
            continue;
        const auto hex = [](const std::string& text) { return static_cast<long>(std::strtoul(text.c_str(), nullptr, 16)); };
        seen.push_back({ FromUtf8(field[0]), FromUtf8(field[1]), hex(field[4]), hex(field[3]), FromUtf8(field[2]),
                         FromUtf8(field[5]) });
    }
    EXPECT_EQ(seen.size(), windows.size()) << "probe output: " << output;
    seen.resize(windows.size());
    return seen;
}

bool Selected(const Seen& seen)
{
    return seen.state != -1 && (seen.state & STATE_SYSTEM_SELECTED) != 0;
}

bool Selectable(const Seen& seen)
{
    return seen.state != -1 && (seen.state & STATE_SYSTEM_SELECTABLE) != 0;
}

// The win events that announce swatch changes, as this process receives them.
struct WinEvent
{
    DWORD event;
    HWND hWnd;
    bool operator==(const WinEvent& other) const { return event == other.event && hWnd == other.hWnd; }
};
std::vector<WinEvent> g_events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        g_events.push_back({ event, hWnd });
}

bool Received(DWORD event, HWND hWnd)
{
    for (const WinEvent& seen : g_events) {
        if (seen == WinEvent{ event, hWnd })
            return true;
    }
    return false;
}

// The kind of COM apartment the calling thread is in: "none", "STA" or "MTA".
std::string Apartment()
{
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    const HRESULT hr = ::CoGetApartmentType(&type, &qualifier);
    if (hr == CO_E_NOTINITIALIZED)
        return "none";
    if (FAILED(hr))
        return "error";
    if (type == APTTYPE_MTA && qualifier == APTTYPEQUALIFIER_IMPLICIT_MTA)
        return "implicit MTA";
    return type == APTTYPE_MTA ? "MTA" : (type == APTTYPE_STA || type == APTTYPE_MAINSTA ? "STA" : "other");
}

// A screen reader on another thread of the process that takes a swatch's object while the dialog
// is open and still holds it when the dialog has gone.
struct LateClient
{
    HWND swatch = nullptr;
    HANDLE firstRead = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE dialogGone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::wstring nameWhileOpen;
    HRESULT callAfterClose = S_OK;

    ~LateClient()
    {
        ::CloseHandle(firstRead);
        ::CloseHandle(dialogGone);
    }

    static DWORD WINAPI Run(LPVOID parameter)
    {
        auto& client = *static_cast<LateClient*>(parameter);
        ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        IAccessible* object = nullptr;
        ::AccessibleObjectFromWindow(client.swatch, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&object));
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        if (object && SUCCEEDED(object->get_accName(self, &name)) && name)
            client.nameWhileOpen = name;
        ::SysFreeString(name);
        ::SetEvent(client.firstRead);
        ::WaitForSingleObject(client.dialogGone, 20000);
        if (object) {
            name = nullptr;
            client.callAfterClose = object->get_accName(self, &name);
            ::SysFreeString(name);
            object->Release();
        }
        ::CoUninitialize();
        return 0;
    }
};

constexpr DWORD kImplicitMta = ~1u;  // no COM of its own, in a process with a multithreaded apartment

// One run of the settings event on a thread of its own, whose COM is set up as a host might.
struct ComRun
{
    explicit ComRun(DWORD coinit) : init(coinit) {}

    DWORD init;  // COINIT_* for CoInitializeEx, ~0u for a thread without COM, or kImplicitMta
    std::string before, during, after, afterOwnUninitialize;
    std::wstring nameSeen;
    bool finished = false;
    LateClient* lateClient = nullptr;  // given: also served to a client on another thread
    HMODULE unloadAfterDialog = nullptr;  // given: the host unloads the module before clients call again
    bool mappedWhileHeld = false;
    bool holdSelf = false;  // the host's thread itself holds a swatch's object past the dialog
};

DWORD WINAPI RunSettingsOnThread(LPVOID parameter)
{
    ComRun& run = *static_cast<ComRun*>(parameter);
    const bool hostInitialises = run.init != ~0u && run.init != kImplicitMta;
    CO_MTA_USAGE_COOKIE mtaUsage = nullptr;
    if (run.init == kImplicitMta) {
        // The input method would make this thread single-threaded once a window of it is active.
        ::ImmDisableIME(static_cast<DWORD>(-1));
        ::CoIncrementMTAUsage(&mtaUsage);
    }
    if (hostInitialises)
        ::CoInitializeEx(nullptr, run.init);
    run.before = Apartment();
    {
        ModalScript script;
        HWND settings = nullptr;
        HANDLE clientThread = nullptr;
        IAccessible* held = nullptr;
        script.WaitFor(kSettingsCaption, &settings).Do([&] {
            run.during = Apartment();
            const HWND boring = ::GetDlgItem(settings, IDC_SWATCH_BORING);
            run.nameSeen = ReadFromAnotherProcess({ boring })[0].name;
            if (run.holdSelf)
                ::AccessibleObjectFromWindow(boring, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&held));
            if (run.lateClient) {
                run.lateClient->swatch = ::GetDlgItem(settings, IDC_SWATCH_BORING);
                clientThread = ::CreateThread(nullptr, 0, &LateClient::Run, run.lateClient, 0, nullptr);
                WaitRunningMessages(run.lateClient->firstRead, 20000);
            }
            Click(settings, IDCANCEL);
        });
        PavStubCallExecute(7, nullptr, nullptr, nullptr);
        run.finished = script.Finished();
        if (run.unloadAfterDialog) {
            PavStubReset();
            ::FreeLibrary(run.unloadAfterDialog);
            run.mappedWhileHeld = ::GetModuleHandleW(L"Rimtone.dll") != nullptr;
        }
        if (held) {
            long children = 0;
            held->get_accChildCount(&children);
            held->Release();
        }
        if (clientThread) {
            ::SetEvent(run.lateClient->dialogGone);
            WaitRunningMessages(clientThread, 20000);
            ::CloseHandle(clientThread);
        }
    }
    run.after = Apartment();
    if (hostInitialises)
        ::CoUninitialize();
    run.afterOwnUninitialize = Apartment();
    if (mtaUsage)
        ::CoDecrementMTAUsage(mtaUsage);
    return 0;
}

void RunOnThread(ComRun& run)
{
    HANDLE thread = ::CreateThread(nullptr, 0, &RunSettingsOnThread, &run, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_TRUE(WaitRunningMessages(thread, 60000));
    ::CloseHandle(thread);
}

} // namespace

TEST_F(RimtoneDllTest, SwatchesSayWhatTheyAreAndAScreenReaderPicksWithThem)
{
    // Stored names as a user may have typed them: the value is the palette colour the swatch shows.
    ASSERT_TRUE(SetStringValue(kKey, L"mColor402", L"maincolor07"));
    ASSERT_TRUE(SetStringValue(kKey, L"mColor000", L"MAINCOLOR17"));
    // And one the administrator locked, with a note.
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"mColor501", L"MAINCOLOR12"));
    ASSERT_TRUE(SetPolicyString(HKEY_LOCAL_MACHINE, false, L"AdministratorNote", L"설계팀 표준"));
    StartCommand();
    std::vector<Seen> settingsBefore, settingsAfter, pickerBefore, pickerAfter;
    HWND settings = nullptr;
    HWND picker = nullptr;
    HWND drill = nullptr;
    HWND picker06 = nullptr;
    HWND picker10 = nullptr;
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_SELECTION, EVENT_OBJECT_VALUECHANGE, nullptr, &RecordEvent,
                                           ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    g_events.clear();
    ModalScript script;
    script.WaitFor(kSettingsCaption, &settings)
        .Do([&] {
            drill = ::GetDlgItem(settings, IDC_SWATCH_DRILL);
            settingsBefore = ReadFromAnotherProcess({ drill,
                                                      ::GetDlgItem(settings, IDC_SWATCH_TAP),
                                                      ::GetDlgItem(settings, IDC_SWATCH_TAP_SECOND),
                                                      ::GetDlgItem(settings, IDC_SWATCH_UNDETERMINED),
                                                      ::GetDlgItem(settings, IDC_SWATCH_COUNTERBORE) }, drill);
        })
        .WaitFor(kPickerCaption, &picker)
        .Do([&] {
            picker06 = ::GetDlgItem(picker, IDC_COLOR06);
            picker10 = ::GetDlgItem(picker, IDC_COLOR10);
            g_events.clear();
            pickerBefore = ReadFromAnotherProcess({ picker06, picker10, ::GetDlgItem(picker, IDC_COLOR01) }, picker10);
        })
        .Do([&] {
            pickerAfter = ReadFromAnotherProcess({ picker06, picker10 });
            Click(picker, IDOK);
        })
        .Then([] { return FindShownDialog(kPickerCaption) == nullptr; })
        .Do([&] {
            settingsAfter = ReadFromAnotherProcess({ drill });
            Click(settings, IDCANCEL);
        });
    EXPECT_EQ(PavStubCallExecute(7, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(script.Finished());
    ::UnhookWinEvent(hook);
    ASSERT_EQ(settingsBefore.size(), 5u);
    ASSERT_EQ(pickerBefore.size(), 3u);
    ASSERT_EQ(pickerAfter.size(), 2u);
    ASSERT_EQ(settingsAfter.size(), 1u);

    // Settings swatches: push buttons named by their row, the colour they show as value, reachable by
    // Tab; a screen reader pressed the first, which opened the picker once the call had returned.
    for (const Seen& swatch : settingsBefore) {
        EXPECT_EQ(swatch.role, ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(swatch.defaultAction, &swatch == &settingsBefore[4] ? L"" : L"누르기");
        EXPECT_EQ(swatch.description, &swatch == &settingsBefore[4] ? L"관리자가 지정한 색입니다. 설계팀 표준" : L"");
    }
    EXPECT_EQ(settingsBefore[0].name, L"101~199(드릴)");
    EXPECT_EQ(settingsBefore[0].value, L"MAINCOLOR06");
    EXPECT_NE(settingsBefore[0].state & STATE_SYSTEM_FOCUSABLE, 0);
    EXPECT_EQ(settingsBefore[1].name, L"401~499(탭)");
    EXPECT_EQ(settingsBefore[1].value, L"MAINCOLOR08");
    EXPECT_EQ(settingsBefore[2].name, L"401~499(탭) 2");
    EXPECT_EQ(settingsBefore[2].value, L"MAINCOLOR07");
    EXPECT_EQ(settingsBefore[3].name, L"미정");
    EXPECT_EQ(settingsBefore[3].value, L"MAINCOLOR01") << "a name outside the palette shows the first colour";
    // The locked swatch: the administrator's colour, unavailable, not reached by Tab.
    EXPECT_EQ(settingsBefore[4].value, L"MAINCOLOR12");
    EXPECT_NE(settingsBefore[4].state & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(settingsBefore[4].state & STATE_SYSTEM_FOCUSABLE, 0);

    // Picker swatches: radio buttons named by their colour; the one framed in red, and only it, is
    // selected and checked; a screen reader checked MAINCOLOR10 after reading.
    for (const Seen& swatch : pickerBefore) {
        EXPECT_EQ(swatch.role, ROLE_SYSTEM_RADIOBUTTON);
        EXPECT_EQ(swatch.defaultAction, L"Check");
    }
    EXPECT_NE(pickerBefore[0].state & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(pickerBefore[1].state & STATE_SYSTEM_CHECKED, 0);
    EXPECT_NE(pickerAfter[1].state & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(pickerBefore[0].name, L"MAINCOLOR06");
    EXPECT_TRUE(Selected(pickerBefore[0]));
    EXPECT_EQ(pickerBefore[1].name, L"MAINCOLOR10");
    EXPECT_FALSE(Selected(pickerBefore[1]));
    EXPECT_TRUE(Selectable(pickerBefore[1]));
    EXPECT_EQ(pickerBefore[2].name, L"MAINCOLOR01");
    EXPECT_FALSE(Selected(pickerBefore[2])) << "the selection before the seeding is no longer selected";

    // The check moves the selection at once; a confirmed pick changes the swatch's value.
    EXPECT_FALSE(Selected(pickerAfter[0]));
    EXPECT_TRUE(Selected(pickerAfter[1]));
    EXPECT_EQ(settingsAfter[0].name, L"101~199(드릴)");
    EXPECT_EQ(settingsAfter[0].value, L"MAINCOLOR10");

    // And each change is announced to clients listening for events.
    EXPECT_TRUE(Received(EVENT_OBJECT_STATECHANGE, picker06));
    EXPECT_TRUE(Received(EVENT_OBJECT_STATECHANGE, picker10));
    EXPECT_TRUE(Received(EVENT_OBJECT_SELECTION, picker10));
    EXPECT_TRUE(Received(EVENT_OBJECT_VALUECHANGE, drill));
}

TEST_F(RimtoneDllTest, TheHostThreadsComStateIsAsTheHostLeftItAndHeldObjectsOutliveTheUnload)
{
    ComRun none{ ~0u };
    ComRun sta{ COINIT_APARTMENTTHREADED };
    ComRun mta{ COINIT_MULTITHREADED };
    ComRun implicit{ kImplicitMta };
    LateClient client;
    LateClient inMta;
    sta.lateClient = &client;
    sta.holdSelf = true;
    mta.lateClient = &inMta;
    // The host unloads the module after each dialog, while clients may still hold its objects.
    for (ComRun* run : { &none, &sta, &mta, &implicit }) {
        if (!module)
            module = ::LoadLibraryW(L"Rimtone.dll");
        StartCommand();
        run->unloadAfterDialog = std::exchange(module, nullptr);
        RunOnThread(*run);
        EXPECT_EQ(run->mappedWhileHeld, run == &sta || run == &mta) << run->before;
    }

    // Without COM: an apartment of its own while the dialog runs, none afterwards. The host's own
    // apartment, the multithreaded (the host's choice) and the implicit one included, is joined,
    // served from and left as it was: one CoUninitialize of the host's own ends it.
    const struct { const ComRun& run; const char* before; const char* during; } kinds[] = {
        { none, "none", "STA" }, { sta, "STA", "STA" }, { mta, "MTA", "MTA" }, { implicit, "implicit MTA", "implicit MTA" },
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.before);
        EXPECT_TRUE(kind.run.finished);
        EXPECT_EQ(kind.run.before, kind.before);
        EXPECT_EQ(kind.run.during, kind.during);
        EXPECT_EQ(kind.run.after, kind.before);
        EXPECT_EQ(kind.run.nameSeen, L"201~299(보링)");
    }
    EXPECT_EQ(sta.afterOwnUninitialize, "none");
    EXPECT_EQ(mta.afterOwnUninitialize, "none");
    // The host's apartment outlives the dialog: an object still held by a client is cut off from the
    // dialog (and from the module, which the host may unload) when the dialog closes.
    EXPECT_EQ(client.nameWhileOpen, L"201~299(보링)");
    // Windows says RPC_E_DISCONNECTED; Wine 8 finds no stub for the object any more. A call that
    // still reached the object would come back from the standard object of the dead window.
    const HRESULT cutOff[] = { RPC_E_DISCONNECTED, CO_E_OBJNOTCONNECTED, HRESULT_FROM_WIN32(RPC_S_UNKNOWN_IF) };
    EXPECT_NE(std::find(std::begin(cutOff), std::end(cutOff), client.callAfterClose), std::end(cutOff))
        << std::hex << client.callAfterClose;

    // A client in the object's own apartment (the host's STA thread, another thread of its MTA)
    // holds the module's code, which kept it mapped above: called and released past the unload, no
    // crash. Called by the host again, the module lets go of itself: TearDown's unload is whole.
    EXPECT_TRUE(FAILED(inMta.callAfterClose)) << "the object still answered for the dialog that has gone";
    module = ::LoadLibraryW(L"Rimtone.dll");
    StartCommand();
    StartCommand();
}
