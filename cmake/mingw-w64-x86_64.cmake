# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Cross-compiles for Windows x86_64 with Debian's mingw-w64, the variant with POSIX threads (the
# Qt for Windows is built with it: its DLLs and the programs must share one C++ runtime).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(_zifrano_target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_zifrano_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_zifrano_target}-g++-posix)
set(CMAKE_RC_COMPILER ${_zifrano_target}-windres)
set(CMAKE_AR /usr/bin/${_zifrano_target}-ar CACHE FILEPATH "The archiver for Windows")
set(CMAKE_RANLIB /usr/bin/${_zifrano_target}-ranlib CACHE FILEPATH "The indexer for Windows")

# Libraries and headers for Windows only; programs (moc, rcc) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${_zifrano_target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
