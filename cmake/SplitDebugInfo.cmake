# Ships a DLL without its symbols and debug sections: after each link they move into
# <file>.debug beside it, which the stripped file names in its debug link for debuggers. objcopy
# stamps the PE header with the current time unless SOURCE_DATE_EPOCH says otherwise: 0, as the
# linker leaves it.
# MSVC keeps debug information in a PDB file already.
function(rimtone_split_debug_info target)
  if(NOT MINGW)
    return()
  endif()
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "objcopy not found: install binutils-mingw-w64-x86-64 (scripts/setup-debian.sh)")
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
            ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
            ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
            $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMENT "Moving the symbols of $<TARGET_FILE_NAME:${target}> into its debug file"
    VERBATIM)
endfunction()
