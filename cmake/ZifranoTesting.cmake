# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

if(CMAKE_CROSSCOMPILING AND WIN32)
    include(ZifranoWindowsTesting)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# zifrano_add_gtest(<name> [NO_PRETTY_VALUES] [LINUX_ONLY <gtest-pattern>]
#                   SOURCES <files...> LIBRARIES <targets...>)
# Builds one GoogleTest executable and registers each of its tests with CTest. NO_PRETTY_VALUES
# names parameterised tests by their index, for parameters that print as raw bytes. The tests
# matching LINUX_ONLY are left out of a Windows build.
function(zifrano_add_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "NO_PRETTY_VALUES" "LINUX_ONLY" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    set(options)
    if(arg_NO_PRETTY_VALUES)
        list(APPEND options NO_PRETTY_VALUES)
    endif()
    if(WIN32)
        # A test runs on its own under Wine, with no compiler runtime DLLs beside it.
        target_link_options(${name} PRIVATE -static)
        if(arg_LINUX_ONLY)
            list(APPEND options TEST_FILTER "-${arg_LINUX_ONLY}")
        endif()
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST ${options})
endfunction()

# zifrano_add_qtest(<name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one QtTest executable and registers it with CTest, run without a display.
function(zifrano_add_qtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime")
endfunction()
