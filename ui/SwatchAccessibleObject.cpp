#include "SwatchAccessibleObject.h"

#include "ModuleHold.h"
#include "SwatchFacts.h"

#include <new>

namespace {

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Forwards everything to the standard object of the window except what the facts of the moment
// tell of the swatch itself. Calls may arrive on any thread, hence the interlocked count and the
// facts asked for through the window.
class SwatchAccessibleObject final : public IAccessible, public IOleWindow
{
public:
    SwatchAccessibleObject(HWND swatch, IAccessible* standard, const SwatchObjectLink& link)
        : m_hWnd(swatch), m_standard(standard), m_link(link)
    {
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible))
            *ppv = static_cast<IAccessible*>(this);
        else if (riid == __uuidof(IOleWindow))
            *ppv = static_cast<IOleWindow*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = ::InterlockedDecrement(&m_refs);
        if (refs == 0) {
            ModuleHold* hold = m_link.hold;
            delete this;
            hold->ObjectDestroyed();  // last: only the return follows
        }
        return static_cast<ULONG>(refs);
    }

    // IDispatch: late-bound callers would bypass the facts, so there is no type information.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        if (!pctinfo)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo)
            *ppTInfo = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IOleWindow: tells clients which window the object stands for.
    STDMETHODIMP GetWindow(HWND* phwnd) override
    {
        if (!phwnd)
            return E_POINTER;
        *phwnd = m_hWnd;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible: what the swatch's dialog knows.
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override
    {
        return FactText(varChild, pszName, &SwatchFacts::name, &IAccessible::get_accName);
    }
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override
    {
        return FactText(varChild, pszValue, &SwatchFacts::value, &IAccessible::get_accValue);
    }
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        return FactText(varChild, pszDescription, &SwatchFacts::description, &IAccessible::get_accDescription);
    }
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        SwatchFacts facts;
        if (!pvarRole || !IsSelf(varChild) || !AskFacts(facts))
            return m_standard->get_accRole(varChild, pvarRole);
        pvarRole->vt = VT_I4;
        pvarRole->lVal = facts.role;
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override
    {
        const HRESULT hr = m_standard->get_accState(varChild, pvarState);
        SwatchFacts facts;
        if (FAILED(hr) || !IsSelf(varChild) || pvarState->vt != VT_I4 || !AskFacts(facts))
            return hr;
        long state = pvarState->lVal & ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED | STATE_SYSTEM_SELECTABLE);
        if (facts.unavailable)
            state |= STATE_SYSTEM_UNAVAILABLE;
        // A swatch that can be used is reached by the keyboard: Tab, or the arrows within a group.
        if (!(state & STATE_SYSTEM_UNAVAILABLE))
            state |= STATE_SYSTEM_FOCUSABLE;
        if (facts.role == ROLE_SYSTEM_RADIOBUTTON)
            state |= STATE_SYSTEM_SELECTABLE;
        if (facts.checked)
            state |= STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED;
        pvarState->lVal = state;
        return hr;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override
    {
        return FactText(varChild, pszDefaultAction, &SwatchFacts::defaultAction, &IAccessible::get_accDefaultAction);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override
    {
        SwatchFacts facts;
        if (!IsSelf(varChild) || !AskFacts(facts))
            return m_standard->accDoDefaultAction(varChild);
        if (facts.defaultAction.IsEmpty())
            return DISP_E_MEMBERNOTFOUND;
        // Posted, not done here: the action may run a modal dialog, on which the client, waiting
        // for this call to return, would otherwise wait as well.
        const WPARAM self = reinterpret_cast<WPARAM>(static_cast<IAccessible*>(this));
        return ::PostMessageW(m_hWnd, m_link.actionMessage, self, 0) ? S_OK : E_FAIL;
    }

    // IAccessible: the standard object's answers.
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override { return m_standard->get_accParent(ppdispParent); }
    STDMETHODIMP get_accChildCount(long* pcountChildren) override
    {
        return m_standard->get_accChildCount(pcountChildren);
    }
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override
    {
        return m_standard->get_accChild(varChild, ppdispChild);
    }
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override { return m_standard->get_accHelp(varChild, pszHelp); }
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override
    {
        return m_standard->get_accHelpTopic(pszHelpFile, varChild, pidTopic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override
    {
        return m_standard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override { return m_standard->get_accFocus(pvarChild); }
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override { return m_standard->get_accSelection(pvarChildren); }
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override
    {
        return m_standard->accSelect(flagsSelect, varChild);
    }
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override
    {
        return m_standard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    }
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override
    {
        return m_standard->accNavigate(navDir, varStart, pvarEndUpAt);
    }
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override
    {
        return m_standard->accHitTest(xLeft, yTop, pvarChild);
    }
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override { return m_standard->put_accName(varChild, szName); }
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override
    {
        return m_standard->put_accValue(varChild, szValue);
    }

private:
    ~SwatchAccessibleObject() { m_standard->Release(); }

    // The facts of the moment, read on the window's thread; false once the window no longer
    // answers (destroyed, or its dialog has let go of this object).
    bool AskFacts(SwatchFacts& facts) const
    {
        const WPARAM self = reinterpret_cast<WPARAM>(static_cast<const IAccessible*>(this));
        return ::SendMessageW(m_hWnd, m_link.factsMessage, self, reinterpret_cast<LPARAM>(&facts)) != 0;
    }

    // The text of a fact where the facts give one, else the standard object's answer.
    HRESULT FactText(VARIANT varChild, BSTR* pText, CString SwatchFacts::*fact,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*standardAnswer)(VARIANT, BSTR*)) const
    {
        SwatchFacts facts;
        if (pText && IsSelf(varChild) && AskFacts(facts) && !(facts.*fact).IsEmpty())
            return Text(facts.*fact, pText);
        return (m_standard->*standardAnswer)(varChild, pText);
    }

    static HRESULT Text(const CString& text, BSTR* pText)
    {
        *pText = ::SysAllocStringLen(text, static_cast<UINT>(text.GetLength()));
        return *pText ? S_OK : E_OUTOFMEMORY;
    }

    LONG m_refs = 1;
    const HWND m_hWnd;
    IAccessible* const m_standard;
    const SwatchObjectLink m_link;
};

} // namespace

IAccessible* CreateSwatchAccessibleObject(HWND swatch, const SwatchObjectLink& link)
{
    IAccessible* standard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(swatch, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard)))
        || !standard)
        return nullptr;
    if (!link.hold->ObjectCreated()) {
        standard->Release();
        return nullptr;
    }
    auto* object = new (std::nothrow) SwatchAccessibleObject(swatch, standard, link);
    if (!object) {
        standard->Release();
        link.hold->ObjectDestroyed();
    }
    return object;
}
