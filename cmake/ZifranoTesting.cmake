find_package(GTest REQUIRED)
include(GoogleTest)

# zifrano_add_gtest(<name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one GoogleTest executable and registers each of its tests with CTest.
function(zifrano_add_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()
