# GoogleTest from Debian's googletest sources, built with the same toolchain as the module.
set(RIMTONE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${RIMTONE_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found at ${RIMTONE_GTEST_SOURCE}: install Debian's googletest package (scripts/setup-debian.sh)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${RIMTONE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# The win32 thread model's C++ library (see mingw-w64-x86_64.cmake) lacks std::mutex, which
# GoogleTest's notification between threads uses: a customisation header of ours, found before
# GoogleTest's own, builds it on Win32 for the library and every program that includes it.
if(MINGW)
  foreach(target gtest gtest_main)
    target_include_directories(${target} BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/tests/support/googletest)
  endforeach()
endif()

# One test executable per group of cases; CTest runs it under Wine through the emulator.
function(rimtone_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 600)
endfunction()
