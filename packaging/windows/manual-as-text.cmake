# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Writes the manual page PAGE as the plain UTF-8 text TEXT, with Windows' line ends: Windows has
# no man, and Notepad shows the text as it is.
#   cmake -D PAGE=zifrano-lettere.1 -D TEXT=zifrano-lettere.txt -P manual-as-text.cmake
execute_process(
    COMMAND groff -K utf8 -t -man -Tutf8 -rHY=0 -P-cbou "${PAGE}"
    OUTPUT_VARIABLE text
    COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${TEXT}" "${text}")
