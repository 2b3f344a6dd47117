#include "ScreenReaderSwatches.h"

#include <climits>
#include <cwchar>
#include <cwctype>

namespace {

// The window properties of a served swatch: its record, and the procedure ours replaced, which
// outlives the record when the window was subclassed again after us.
const wchar_t kSwatchProperty[] = L"Rimtone.AccessibleSwatch";
const wchar_t kSuperProperty[] = L"Rimtone.AccessibleSwatch.Super";

const wchar_t kLabelBullet = L'\x25CF';  // the black circle that starts every row label

// A row label's text as a name: "<bullet>. 101~199(drill) : " gives "101~199(drill)".
CString NameFromLabel(const std::wstring& text)
{
    size_t begin = 0;
    while (begin < text.size() && (text[begin] == kLabelBullet || text[begin] == L'.' || std::iswspace(text[begin])))
        ++begin;
    size_t end = text.size();
    while (end > begin && (text[end - 1] == L':' || std::iswspace(text[end - 1])))
        --end;
    return CString(text.c_str() + begin, static_cast<int>(end - begin));
}

std::wstring WindowText(HWND hWnd)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

// True when the middle of `other` lies within the height of `row`.
bool OnRow(const RECT& row, const RECT& other)
{
    const LONG middle = other.top + (other.bottom - other.top) / 2;
    return middle >= row.top && middle < row.bottom;
}

} // namespace

struct AccessibleSwatches::Swatch
{
    AccessibleSwatches* owner = nullptr;
    int index = 0;
    HWND hWnd = nullptr;
    WNDPROC super = nullptr;
    IAccessible* object = nullptr;  // made at the first request, served until the window goes
    SwatchFacts reported;           // what clients were last told, to tell them what changed
};

AccessibleSwatches::AccessibleSwatches() = default;

AccessibleSwatches::~AccessibleSwatches()
{
    // The objects are cut off from their clients before the apartment they live in goes.
    for (auto& swatch : m_swatches)
        Release(*swatch);
    m_swatches.clear();
    m_apartment.reset();
}

void AccessibleSwatches::AttachWindows(const std::vector<HWND>& windows, Describe describe)
{
    if (!m_apartment)
        m_apartment = std::make_unique<ComApartment>();
    for (auto& swatch : m_swatches)
        Release(*swatch);
    m_swatches.clear();
    m_describe = std::move(describe);

    for (HWND hWnd : windows) {
        auto swatch = std::make_unique<Swatch>();
        swatch->owner = this;
        swatch->index = static_cast<int>(m_swatches.size());
        m_swatches.push_back(std::move(swatch));
        Swatch& added = *m_swatches.back();
        if (!hWnd || ::GetPropW(hWnd, kSwatchProperty) || ::GetPropW(hWnd, kSuperProperty))
            continue;
        if (!::SetPropW(hWnd, kSwatchProperty, &added))
            continue;
        added.hWnd = hWnd;
        added.super = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleSwatches::SwatchProc)));
        if (!added.super || !::SetPropW(hWnd, kSuperProperty, reinterpret_cast<HANDLE>(added.super))) {
            if (added.super)
                ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(added.super));
            ::RemovePropW(hWnd, kSwatchProperty);
            added.hWnd = nullptr;
            continue;
        }
    }
    for (auto& swatch : m_swatches)
        DescribeSafely(*swatch, swatch->reported);
}

void AccessibleSwatches::Release(Swatch& swatch)
{
    if (HWND hWnd = swatch.hWnd) {
        const bool stillOurs = ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)
                               == reinterpret_cast<LONG_PTR>(&AccessibleSwatches::SwatchProc);
        if (stillOurs) {
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(swatch.super));
            ::RemovePropW(hWnd, kSuperProperty);
        }
        // Otherwise whoever subclassed after us still calls SwatchProc, which passes everything on
        // to the saved procedure from now on.
        ::RemovePropW(hWnd, kSwatchProperty);
        swatch.hWnd = nullptr;
    }
    if (swatch.object) {
        // Clients in other processes, and references handed out that no client has claimed yet,
        // let go of the object here; a client's later call fails instead of reaching a dead dialog.
        ::CoDisconnectObject(swatch.object, 0);
        swatch.object->Release();
        swatch.object = nullptr;
    }
}

LRESULT CALLBACK AccessibleSwatches::SwatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto* swatch = static_cast<Swatch*>(::GetPropW(hWnd, kSwatchProperty)))
        return swatch->owner->OnSwatchMessage(*swatch, message, wParam, lParam);
    auto saved = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProperty));
    if (message == WM_NCDESTROY)
        ::RemovePropW(hWnd, kSuperProperty);
    return saved ? ::CallWindowProcW(saved, hWnd, message, wParam, lParam)
                 : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

LRESULT AccessibleSwatches::OnSwatchMessage(Swatch& swatch, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = swatch.hWnd;
    const WNDPROC super = swatch.super;
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)
        && m_apartment && m_apartment->Usable()) {
        if (!swatch.object)
            swatch.object = CreateSwatchAccessible(hWnd);
        if (swatch.object) {
            const LRESULT reference = ::LresultFromObject(__uuidof(IAccessible), wParam, swatch.object);
            if (reference > 0)
                return reference;
        }
        // Without our object the system's standard one still answers.
    } else if (message == SwatchFactsMessage() && lParam) {
        return DescribeSafely(swatch, *reinterpret_cast<SwatchFacts*>(lParam)) ? 1 : 0;
    } else if (message == WM_NCDESTROY) {
        Release(swatch);
        ::RemovePropW(hWnd, kSuperProperty);
    }
    return ::CallWindowProcW(super, hWnd, message, wParam, lParam);
}

bool AccessibleSwatches::DescribeSafely(const Swatch& swatch, SwatchFacts& facts) const
{
    if (!m_describe || !swatch.hWnd)
        return false;
    // Called from a window procedure: nothing may be thrown into the system.
    try {
        m_describe(swatch.index, facts);
        return true;
    } catch (...) {
        return false;
    }
}

void AccessibleSwatches::Refresh()
{
    for (auto& swatch : m_swatches) {
        SwatchFacts now;
        if (!DescribeSafely(*swatch, now))
            continue;
        const HWND hWnd = swatch->hWnd;
        if (now.name != swatch->reported.name)
            ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
        if (now.value != swatch->reported.value)
            ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
        if (now.selected != swatch->reported.selected || now.selectable != swatch->reported.selectable) {
            ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
            if (now.selected)
                ::NotifyWinEvent(EVENT_OBJECT_SELECTION, hWnd, OBJID_CLIENT, CHILDID_SELF);
        }
        swatch->reported = now;
    }
}

CString AccessibleSwatches::RowName(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_swatches.size()) || !m_swatches[index]->hWnd)
        return CString();
    const HWND self = m_swatches[index]->hWnd;
    RECT own;
    ::GetWindowRect(self, &own);

    // The label: the nearest text to the left of the swatch whose middle lies within its height.
    HWND label = nullptr;
    LONG labelRight = LONG_MIN;
    for (HWND child = ::GetWindow(::GetParent(self), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        ::GetClassNameW(child, className, 16);
        if (::GetPropW(child, kSwatchProperty) || _wcsicmp(className, L"Static") != 0
            || ::GetWindowTextLengthW(child) == 0)
            continue;
        RECT rect;
        ::GetWindowRect(child, &rect);
        if (OnRow(own, rect) && rect.right <= own.left && rect.right > labelRight) {
            label = child;
            labelRight = rect.right;
        }
    }
    if (!label)
        return CString();
    CString name = NameFromLabel(WindowText(label));

    // A row with more than one swatch numbers the later ones from the left.
    int number = 1;
    for (const auto& swatch : m_swatches) {
        RECT rect;
        if (swatch->hWnd && swatch->hWnd != self && ::GetWindowRect(swatch->hWnd, &rect) && OnRow(own, rect)
            && rect.left < own.left)
            ++number;
    }
    if (number > 1) {
        CString suffix;
        suffix.Format(L" %d", number);
        name += suffix;
    }
    return name;
}
