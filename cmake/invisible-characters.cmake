# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Writes OUTPUT, a C++ header with kInvisibleRanges: the characters a terminal shows as nothing,
# as a plain blank, or as a change of direction, in ranges sorted and merged. Run as a script
# (cmake -DUNICODE_DIR=... -DOUTPUT=... -P), so that a cross build runs it on its own host.
# From UNICODE_DIR (Debian's unicode-data):
# - UnicodeData.txt: the controls, formats and separators (Cc, Cf, Zl, Zp, Zs), the plain space
#   aside;
# - DerivedCoreProperties.txt: the default-ignorable characters, which a terminal draws as
#   nothing: the variation selectors (Mongolian ones too), the fillers of Hangul, the combining
#   grapheme joiner, and the places kept for more of them.

foreach(data UnicodeData DerivedCoreProperties)
    if(NOT EXISTS "${UNICODE_DIR}/${data}.txt")
        message(FATAL_ERROR "${UNICODE_DIR}/${data}.txt is missing: install unicode-data")
    endif()
endforeach()

# Every range as "FIRST:LAST" in six hex digits, so that sorting the texts sorts the numbers.
function(append_range first last)
    set(bounds)
    foreach(point ${first} ${last})
        string(LENGTH "${point}" length)
        math(EXPR missing "6 - ${length}")
        string(REPEAT 0 ${missing} zeros)
        list(APPEND bounds "${zeros}${point}")
    endforeach()
    list(JOIN bounds ":" range)
    set(ranges ${ranges} "${range}" PARENT_SCOPE)
endfunction()

set(ranges)
file(STRINGS "${UNICODE_DIR}/UnicodeData.txt" characters
    REGEX "^[0-9A-F]+;[^;]*;(Cc|Cf|Zl|Zp|Zs);")
foreach(character IN LISTS characters)
    string(REGEX MATCH "^[0-9A-F]+" point "${character}")
    if(NOT point STREQUAL "0020")
        append_range(${point} ${point})
    endif()
endforeach()

file(STRINGS "${UNICODE_DIR}/DerivedCoreProperties.txt" ignorables
    REGEX "^[0-9A-F.]+ *; Default_Ignorable_Code_Point ")
foreach(ignorable IN LISTS ignorables)
    string(REGEX MATCH "^([0-9A-F]+)(\\.\\.([0-9A-F]+))?" points "${ignorable}")
    if(CMAKE_MATCH_3)
        append_range(${CMAKE_MATCH_1} ${CMAKE_MATCH_3})
    else()
        append_range(${CMAKE_MATCH_1} ${CMAKE_MATCH_1})
    endif()
endforeach()
list(SORT ranges)

# The table's rows: ranges that overlap or touch become one.
set(rows "")
set(count 0)
function(append_row first last)
    math(EXPR first "${first}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR last "${last}" OUTPUT_FORMAT HEXADECIMAL)
    set(rows "${rows}    {${first}, ${last}},\n" PARENT_SCOPE)
    math(EXPR count "${count} + 1")
    set(count ${count} PARENT_SCOPE)
endfunction()

set(open_first -1)
set(open_last -1)
foreach(range IN LISTS ranges)
    string(REPLACE ":" ";" bounds "${range}")
    list(GET bounds 0 first)
    list(GET bounds 1 last)
    math(EXPR first "0x${first}")
    math(EXPR last "0x${last}")
    math(EXPR after_open "${open_last} + 1")
    if(open_first GREATER_EQUAL 0 AND first LESS_EQUAL after_open)
        if(last GREATER open_last)
            set(open_last ${last})
        endif()
    else()
        if(open_first GREATER_EQUAL 0)
            append_row(${open_first} ${open_last})
        endif()
        set(open_first ${first})
        set(open_last ${last})
    endif()
endforeach()
append_row(${open_first} ${open_last})

file(STRINGS "${UNICODE_DIR}/DerivedCoreProperties.txt" version LIMIT_COUNT 1)
string(REGEX MATCH "[0-9.]+[0-9]" version "${version}")
file(WRITE "${OUTPUT}"
    "// Written by cmake/invisible-characters.cmake from Unicode ${version}'s data.\n"
    "#pragma once\n\n#include <array>\n#include <utility>\n\n"
    "namespace zifrano::cli {\n\n"
    "inline constexpr std::array<std::pair<char32_t, char32_t>, ${count}> kInvisibleRanges = {{\n"
    "${rows}}};\n\n} // namespace zifrano::cli\n")
