# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Run by `cmake --install` once Qt's files are in: installs the compiler's runtime DLLs (named
# lib*.dll) that ZIFRANO_BINARIES load, as their import tables name them, from
# ZIFRANO_DLL_FOLDERS; Windows' own DLLs are on every system. With --strip, the symbols of every
# DLL go too, as they go from the programs: Debian's DLLs for Windows carry theirs.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${ZIFRANO_OBJDUMP}")
list(POP_FRONT ZIFRANO_BINARIES program)
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${program}"
    MODULES ${ZIFRANO_BINARIES}
    DIRECTORIES ${ZIFRANO_DLL_FOLDERS}
    PRE_INCLUDE_REGEXES "^lib[^/]*\\.dll$"
    PRE_EXCLUDE_REGEXES ".*"
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR missing)
if(missing)
    message(FATAL_ERROR "Runtime DLLs not found in ${ZIFRANO_DLL_FOLDERS}: ${missing}")
endif()
file(INSTALL ${dlls} DESTINATION "${CMAKE_INSTALL_PREFIX}")

if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE installed_dlls "${CMAKE_INSTALL_PREFIX}/*.dll")
    foreach(dll IN LISTS installed_dlls)
        execute_process(COMMAND "${ZIFRANO_STRIP}" --strip-unneeded "${dll}"
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()
