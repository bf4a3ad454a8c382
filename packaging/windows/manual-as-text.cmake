# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Writes the manual page PAGE as the plain UTF-8 text TEXT, with Windows' line ends and a
# byte-order mark, without which older Notepads read it in the ANSI code page: Windows has no man.
#   cmake -D PAGE=zifrano-lettere.1 -D TEXT=zifrano-lettere.txt -P manual-as-text.cmake
execute_process(
    COMMAND groff -K utf8 -t -man -Tutf8 -rHY=0 -P-cbou "${PAGE}"
    OUTPUT_VARIABLE text
    COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE "${TEXT}" "${byte_order_mark}${text}")
