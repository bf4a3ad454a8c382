# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# find_package(Zifrano) gives the imported target Zifrano::zifrano, the C library.
include("${CMAKE_CURRENT_LIST_DIR}/ZifranoTargets.cmake")
