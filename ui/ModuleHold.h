#pragma once
// Keeps the module loaded while an object it handed to other code is alive. A screen reader may
// hold a swatch's accessible object after the dialog has closed and the host has unloaded the
// module; in the client's own apartment the object is no proxy but the module's code, and its next
// call or release would jump into unmapped memory.
//
// The module's reference is not given back by the last release of an object, which runs inside
// the module: were it the module's last reference, the release would return into unmapped code.
// (FreeLibraryAndExitThread would end the client's thread; a thread or a pool callback that frees
// the module races the rest of the release.) It is given back inside a call from the host, on the
// host's thread, where the host holds the module itself, so that it is never the last: at once
// when the last object went on that thread, which has long left its release; when it went on a
// client's thread, at the next call from the host that finds none alive, so that the client's
// thread has had all the time between two calls to leave the few instructions that follow.
#include <afxwin.h>

class ModuleHold
{
public:
    // The hold of the module this code is linked into.
    static ModuleHold& OfThisModule();

    // An object is to be handed out: the module stays loaded from now on. False (and nothing
    // counted) when the system refuses the reference: the object must not go out. On the host's
    // thread.
    bool ObjectCreated();
    // An object went: the last thing the module's code does for it. On any thread.
    void ObjectDestroyed()
    {
        if (::GetCurrentThreadId() != static_cast<DWORD>(m_hostThread))
            ::InterlockedIncrement(&m_goneElsewhere);
        ::InterlockedDecrement(&m_liveObjects);
    }
    // Gives the module's reference back when it may (see above). Only on the host's thread, inside
    // a call from the host.
    void GiveBackIfUnused();

    constexpr ModuleHold() = default;
    ModuleHold(const ModuleHold&) = delete;
    ModuleHold& operator=(const ModuleHold&) = delete;

private:
    volatile LONG m_liveObjects = 0;
    volatile LONG m_goneElsewhere = 0;  // objects gone on other threads since the last look
    volatile LONG m_hostThread = 0;     // the thread that makes the objects
    HMODULE m_module = nullptr;         // touched on the host's thread only
};
