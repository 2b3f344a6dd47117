// A screen reader's view of windows from another process: for each window handle given (hex), one
// line "name<TAB>value<TAB>default action<TAB>role<TAB>state<TAB>description" in UTF-8, as MSAA
// reports them; a '!' before a handle also does its default action, after the reading. Exit code
// 0, or 2 when a window gave no accessible object or refused its default action, 1 for bad
// arguments.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text)
{
    if (!text || !*text)
        return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(size - 1));
    return bytes;
}

std::string Text(HRESULT hr, BSTR text)
{
    std::string result = SUCCEEDED(hr) ? Utf8(text) : std::string();
    ::SysFreeString(text);
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 1;
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        const bool press = argv[i][0] == L'!';
        HWND hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[i] + press, nullptr, 16)));
        IAccessible* object = nullptr;
        const HRESULT hr = ::AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&object));
        if (FAILED(hr) || !object) {
            std::printf("-\t%lx\t-\n", static_cast<unsigned long>(hr));
            exitCode = 2;
            continue;
        }
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        BSTR value = nullptr;
        BSTR action = nullptr;
        BSTR description = nullptr;
        VARIANT state;
        VARIANT role;
        ::VariantInit(&state);
        ::VariantInit(&role);
        const HRESULT nameResult = object->get_accName(self, &name);
        const HRESULT valueResult = object->get_accValue(self, &value);
        const HRESULT actionResult = object->get_accDefaultAction(self, &action);
        const std::string nameText = Text(nameResult, name);
        const std::string valueText = Text(valueResult, value);
        const std::string actionText = Text(actionResult, action);
        const HRESULT descriptionResult = object->get_accDescription(self, &description);
        const std::string descriptionText = Text(descriptionResult, description);
        const HRESULT stateResult = object->get_accState(self, &state);
        const long stateBits = SUCCEEDED(stateResult) && state.vt == VT_I4 ? state.lVal : -1;
        const long roleNumber = SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4 ? role.lVal : -1;
        std::printf("%s\t%s\t%s\t%lx\t%lx\t%s\n", nameText.c_str(), valueText.c_str(), actionText.c_str(), roleNumber,
                    stateBits, descriptionText.c_str());
        if (press && object->accDoDefaultAction(self) != S_OK)
            exitCode = 2;
        object->Release();
    }
    std::fflush(stdout);
    ::CoUninitialize();
    return exitCode;
}
