#include "ComApartment.h"

#include <objbase.h>

ComApartment::ComApartment() : m_threadId(::GetCurrentThreadId())
{
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    const HRESULT hr = ::CoGetApartmentType(&type, &qualifier);
    if (hr != CO_E_NOTINITIALIZED) {
        // In an apartment, the implicit multithreaded one included: initialising there would make
        // the host's thread apartment-threaded under it.
        m_usable = SUCCEEDED(hr);
        return;
    }
    m_mustUninitialize = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    m_usable = m_mustUninitialize;
}

ComApartment::~ComApartment()
{
    // COM counts per thread: an uninitialize on another thread would undo someone else's.
    if (m_mustUninitialize && ::GetCurrentThreadId() == m_threadId)
        ::CoUninitialize();
}
