#include "ComApartment.h"

#include <objbase.h>

ComApartment::ComApartment() : m_threadId(::GetCurrentThreadId())
{
    const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: the thread already had an apartment of this kind; the call still counts and needs
    // its CoUninitialize. RPC_E_CHANGED_MODE: the thread is in the multithreaded apartment, which
    // serves objects as well and is not ours to change.
    m_mustUninitialize = SUCCEEDED(hr);
    m_usable = m_mustUninitialize || hr == RPC_E_CHANGED_MODE;
}

ComApartment::~ComApartment()
{
    // COM counts per thread: an uninitialize on another thread would undo someone else's.
    if (m_mustUninitialize && ::GetCurrentThreadId() == m_threadId)
        ::CoUninitialize();
}
