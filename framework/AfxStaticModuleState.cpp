#include "AfxStaticModuleState.h"

AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    static _AFX_DLL_MODULE_STATE state;
    if (!state.m_hCurrentInstanceHandle) {
        // The module that holds this object is the module whose state it is.
        HMODULE self = nullptr;
        if (::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 reinterpret_cast<LPCWSTR>(&state), &self)) {
            state.m_hCurrentInstanceHandle = self;
            state.m_hCurrentResourceHandle = self;
        }
    }
    return &state;
}
