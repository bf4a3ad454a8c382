# find_package(Zifrano) gives the imported target Zifrano::zifrano, the C library.
include("${CMAKE_CURRENT_LIST_DIR}/ZifranoTargets.cmake")
