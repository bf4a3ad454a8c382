# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# The toolchain of the `windows` preset: the Qt for Windows in ZIFRANO_QT_WINDOWS_PREFIX, which
# scripts/build-windows.sh builds or unpacks, found through the toolchain file Qt made for
# itself; that file in turn loads the mingw-w64 compilers.
if(NOT ZIFRANO_QT_WINDOWS_PREFIX)
    set(ZIFRANO_QT_WINDOWS_PREFIX "$ENV{ZIFRANO_QT_WINDOWS_PREFIX}")
endif()
set(_zifrano_qt_toolchain "${ZIFRANO_QT_WINDOWS_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${_zifrano_qt_toolchain}")
    message(FATAL_ERROR "No Qt for Windows in '${ZIFRANO_QT_WINDOWS_PREFIX}': "
        "scripts/build-windows.sh builds or unpacks one there")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZIFRANO_QT_WINDOWS_PREFIX)
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")
include("${_zifrano_qt_toolchain}")
