# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# The product's facts, each written here and nowhere else. The programs read them from the
# generated header zifrano_product.h, the scripts and the autopkgtests from product.env (shell
# assignments, sourced through scripts/lib.sh), the manual pages and the packaging files through
# @VAR@. Included by CMakeLists.txt before project(). Run as a script,
#   cmake -D ZIFRANO_FACTS_DIR=DIR -P cmake/ZifranoProduct.cmake
# it writes DIR/product.env alone, with the author's default details: for a system that has the
# packages installed and no build tree.

set(ZIFRANO_NAME "ZIFRANO")
# debian/changelog must name it as its upstream version (checked in CMakeLists.txt). The
# user-visible form keeps its two decimals ("1.00").
set(ZIFRANO_VERSION_TEXT "1.00")
set(ZIFRANO_WINDOW_TITLE "ZIFRANO - Numeri in lettere per Assegni/Fatture")
# The application id: names the desktop entry, the metainfo, the icons and the Wayland app id.
set(ZIFRANO_APP_ID "example.zifrano.Zifrano")
# The window's client area below the menu bar, in pixels: 7620 by 1605 twips, at 15 twips to
# the pixel.
set(ZIFRANO_CLIENT_WIDTH 508)
set(ZIFRANO_CLIENT_HEIGHT 107)
# The titles of the columns zifrano-lettere --csv adds to a table.
set(ZIFRANO_CSV_EURO_TITLE "Importo in lettere")
set(ZIFRANO_CSV_LIRE_TITLE "Importo intero in lettere")

# The author's details, read by the window (about box, links); a packager sets the real ones.
# The package metadata names no address or web page of its own.
set(ZIFRANO_AUTHOR_EMAIL "autore@zifrano.example" CACHE STRING "The author's e-mail address")
set(ZIFRANO_AUTHOR_WEB "https://zifrano.example/" CACHE STRING "The author's web page")
set(ZIFRANO_AUTHOR_CREDIT "© gli autori di ZIFRANO" CACHE STRING "The credit in the about box")

set(ZIFRANO_FACTS ZIFRANO_NAME ZIFRANO_VERSION_TEXT ZIFRANO_WINDOW_TITLE ZIFRANO_APP_ID
    ZIFRANO_CLIENT_WIDTH ZIFRANO_CLIENT_HEIGHT ZIFRANO_CSV_EURO_TITLE ZIFRANO_CSV_LIRE_TITLE
    ZIFRANO_AUTHOR_EMAIL ZIFRANO_AUTHOR_WEB ZIFRANO_AUTHOR_CREDIT)

# Writes the facts to DIR/product.env as shell assignments, each value quoted whatever a
# packager put in it; the file is touched only when a fact changed.
function(zifrano_write_facts dir)
    set(text "# The facts of ${ZIFRANO_NAME}, written by the build: sourced by the scripts.\n")
    foreach(fact IN LISTS ZIFRANO_FACTS)
        string(REPLACE "'" "'\\''" value "${${fact}}")
        string(APPEND text "${fact}='${value}'\n")
    endforeach()
    file(WRITE "${dir}/product.env.new" "${text}")
    file(COPY_FILE "${dir}/product.env.new" "${dir}/product.env" ONLY_IF_DIFFERENT)
    file(REMOVE "${dir}/product.env.new")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    if(NOT ZIFRANO_FACTS_DIR)
        message(FATAL_ERROR "usage: cmake -D ZIFRANO_FACTS_DIR=DIR -P ${CMAKE_SCRIPT_MODE_FILE}")
    endif()
    zifrano_write_facts("${ZIFRANO_FACTS_DIR}")
endif()
