# Cross-build for 64-bit Windows with Debian's mingw-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RIMTONE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${RIMTONE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RIMTONE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${RIMTONE_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${RIMTONE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Link the C, C++ and thread runtimes statically so that Wine never has to find a mingw DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# No link time in the PE headers, so that the same sources always link to the same bytes.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT    " -Wl,--no-insert-timestamp")
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
string(APPEND CMAKE_MODULE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
