find_package(GTest REQUIRED)
include(GoogleTest)

# zifrano_add_gtest(<name> [NO_PRETTY_VALUES] SOURCES <files...> LIBRARIES <targets...>)
# Builds one GoogleTest executable and registers each of its tests with CTest. NO_PRETTY_VALUES
# names parameterised tests by their index, for parameters that print as raw bytes.
function(zifrano_add_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "NO_PRETTY_VALUES" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    set(pretty)
    if(arg_NO_PRETTY_VALUES)
        set(pretty NO_PRETTY_VALUES)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST ${pretty})
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
