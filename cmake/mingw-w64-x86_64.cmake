# Cross-build for 64-bit Windows with Debian's mingw-w64, win32 thread model. The posix model's
# runtime links winpthreads statically into every DLL, and winpthreads takes a thread handle, an
# event and a TLS index at each load that it never gives back at unload: a host that reloads the
# plug-in would run out of TLS indices. The win32 model's runtime uses the Windows primitives
# directly and has no such state; nothing here uses std::thread or std::mutex, which it lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RIMTONE_MINGW_PREFIX x86_64-w64-mingw32)
set(RIMTONE_CXX_COMPILER ${RIMTONE_MINGW_PREFIX}-g++-win32)
set(CMAKE_C_COMPILER   ${RIMTONE_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${RIMTONE_CXX_COMPILER})
set(CMAKE_RC_COMPILER  ${RIMTONE_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${RIMTONE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Link the C and C++ runtimes statically so that Wine never has to find a mingw DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# No link time in the PE headers, so that the same sources always link to the same bytes.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT    " -Wl,--no-insert-timestamp")
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
string(APPEND CMAKE_MODULE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
