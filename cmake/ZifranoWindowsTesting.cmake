# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# The tests of a Windows build, run on this machine under Wine. Debian ships GoogleTest built for
# Linux only, so it is built here from Debian's own source of it (package googletest).
set(ZIFRANO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, for Windows")
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(${ZIFRANO_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL SYSTEM) # gives GTest::gtest and GTest::gtest_main

# Each test program runs in a Wine prefix of the build's own, made on first use. Wine's own
# console and debugging chatter stays out of the tests' output, and Wine installs no .NET or
# browser engine into the prefix, which would ask on screen.
find_program(ZIFRANO_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env "WINEPREFIX=${CMAKE_BINARY_DIR}/wine" WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml="
    "${ZIFRANO_WINE64}")
