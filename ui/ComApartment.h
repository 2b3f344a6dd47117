#pragma once
// The calling thread's COM apartment for as long as an object of this class lives.
#include <afxwin.h>

// Joins the apartment that the thread's owner set up; a thread without COM gets an
// apartment-threaded one for this object's lifetime. The destructor undoes exactly what the
// constructor did: one CoUninitialize for each successful CoInitializeEx (S_FALSE included), none
// when the thread had chosen the multithreaded apartment (RPC_E_CHANGED_MODE).
class ComApartment
{
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // True when the thread has COM, whoever set it up: objects can be served to other processes.
    bool Usable() const { return m_usable; }

private:
    bool m_mustUninitialize = false;
    bool m_usable = false;
    DWORD m_threadId = 0;
};
