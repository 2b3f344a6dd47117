#pragma once
// The calling thread's COM apartment for as long as an object of this class lives.
#include <afxwin.h>

// Uses the apartment the thread is in, whoever set it up: a single-threaded one, the
// multithreaded one, or the process's implicit multithreaded apartment, which a thread without
// COM of its own is in once another thread has entered the multithreaded one. Only a thread in no
// apartment at all gets an apartment-threaded one, for this object's lifetime: the destructor
// undoes exactly what the constructor did.
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
