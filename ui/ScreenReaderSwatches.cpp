#include "ScreenReaderSwatches.h"

#include "ModuleHold.h"
#include "SwatchAccessibleObject.h"

namespace {

// The window properties of a served swatch: its record, and the procedure ours replaced, which
// outlives the record when the window was subclassed again after us.
const wchar_t kSwatchProperty[] = L"Rimtone.AccessibleSwatch";
const wchar_t kSuperProperty[] = L"Rimtone.AccessibleSwatch.Super";

} // namespace

struct ScreenReaderSwatches::Swatch
{
    ScreenReaderSwatches* owner = nullptr;
    int index = 0;
    HWND hWnd = nullptr;
    WNDPROC super = nullptr;
    IAccessible* object = nullptr;  // made at the first request, served until the window goes
    SwatchFacts reported;           // what clients were last told, to tell them what changed
};

ScreenReaderSwatches::ScreenReaderSwatches() = default;

ScreenReaderSwatches::~ScreenReaderSwatches()
{
    // The objects are cut off from their clients before the apartment they live in goes.
    for (auto& swatch : m_swatches)
        Release(*swatch);
    m_swatches.clear();
    m_apartment.reset();
    // A dialog runs inside a call from the host: the module may be let go here, unless a client
    // of this process still holds an object.
    ModuleHold::OfThisModule().GiveBackIfUnused();
}

void ScreenReaderSwatches::AttachWindows(const std::vector<HWND>& windows, Describe describe)
{
    if (!m_apartment)
        m_apartment = std::make_unique<ComApartment>();
    m_factsMessage = ::RegisterWindowMessageW(L"Rimtone.SwatchFacts");
    m_actionMessage = ::RegisterWindowMessageW(L"Rimtone.SwatchAction");
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
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ScreenReaderSwatches::SwatchProc)));
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

void ScreenReaderSwatches::Release(Swatch& swatch)
{
    if (HWND hWnd = swatch.hWnd) {
        const bool stillOurs = ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)
                               == reinterpret_cast<LONG_PTR>(&ScreenReaderSwatches::SwatchProc);
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

LRESULT CALLBACK ScreenReaderSwatches::SwatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto* swatch = static_cast<Swatch*>(::GetPropW(hWnd, kSwatchProperty)))
        return swatch->owner->OnSwatchMessage(*swatch, message, wParam, lParam);
    auto saved = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProperty));
    if (message == WM_NCDESTROY)
        ::RemovePropW(hWnd, kSuperProperty);
    return saved ? ::CallWindowProcW(saved, hWnd, message, wParam, lParam)
                 : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

LRESULT ScreenReaderSwatches::OnSwatchMessage(Swatch& swatch, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = swatch.hWnd;
    const WNDPROC super = swatch.super;
    // The object's own requests; one that its swatch has let go of is no longer answered.
    const bool fromOurObject = swatch.object && wParam == reinterpret_cast<WPARAM>(swatch.object);
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)
        && m_apartment && m_apartment->Usable()) {
        if (!swatch.object)
            swatch.object = CreateSwatchAccessibleObject(
                hWnd, SwatchObjectLink{ m_factsMessage, m_actionMessage, &ModuleHold::OfThisModule() });
        if (swatch.object) {
            const LRESULT reference = ::LresultFromObject(__uuidof(IAccessible), wParam, swatch.object);
            if (reference > 0)
                return reference;
        }
        // Without our object the system's standard one still answers.
    } else if (message == m_factsMessage && m_factsMessage && lParam) {
        return fromOurObject && DescribeSafely(swatch, *reinterpret_cast<SwatchFacts*>(lParam)) ? 1 : 0;
    } else if (message == m_actionMessage && m_actionMessage) {
        // What a click does, where a click could reach the swatch: not while the swatch or its
        // dialog is disabled, as under a modal picker.
        const HWND dialog = ::GetParent(hWnd);
        if (fromOurObject && ::IsWindowEnabled(hWnd) && ::IsWindowEnabled(dialog)) {
            const WPARAM clicked = MAKEWPARAM(::GetDlgCtrlID(hWnd), STN_CLICKED);
            ::SendMessageW(dialog, WM_COMMAND, clicked, reinterpret_cast<LPARAM>(hWnd));
        }
        return 0;
    } else if (message == WM_NCDESTROY) {
        Release(swatch);
        ::RemovePropW(hWnd, kSuperProperty);
    }
    return ::CallWindowProcW(super, hWnd, message, wParam, lParam);
}

bool ScreenReaderSwatches::DescribeSafely(const Swatch& swatch, SwatchFacts& facts) const
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

void ScreenReaderSwatches::Refresh()
{
    for (auto& swatch : m_swatches) {
        SwatchFacts now;
        if (!DescribeSafely(*swatch, now))
            continue;
        const HWND hWnd = swatch->hWnd;
        const SwatchFacts& was = swatch->reported;
        const auto notify = [hWnd](DWORD event) { ::NotifyWinEvent(event, hWnd, OBJID_CLIENT, CHILDID_SELF); };
        if (now.name != was.name)
            notify(EVENT_OBJECT_NAMECHANGE);
        if (now.value != was.value)
            notify(EVENT_OBJECT_VALUECHANGE);
        if (now.defaultAction != was.defaultAction)
            notify(EVENT_OBJECT_DEFACTIONCHANGE);
        if (now.description != was.description)
            notify(EVENT_OBJECT_DESCRIPTIONCHANGE);
        if (now.checked != was.checked || now.unavailable != was.unavailable)
            notify(EVENT_OBJECT_STATECHANGE);
        if (now.checked && !was.checked)
            notify(EVENT_OBJECT_SELECTION);
        swatch->reported = now;
    }
}
