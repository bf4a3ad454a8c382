#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""Prints the texts of an installer or uninstaller that NSIS made with SetCompressor /SOLID lzma:
its header, unpacked, read as UTF-16 (Unicode true): each string, its lines as lines, with the
licence among them. A variable in a text is shown as "$…":
    scripts/nsis-strings.py SETUP.exe
"""
import lzma
import re
import struct
import sys

data = open(sys.argv[1], "rb").read()
# The first header: flags, the signature, the header's size and the whole size, then the data.
at = data.find(b"\xef\xbe\xad\xdeNullsoftInst")
if at < 4:
    sys.exit(f"{sys.argv[1]}: no NSIS installer")
packed = data[at + 24:]
# LZMA's properties byte and dictionary size, then the stream.
properties, dictionary = packed[0], struct.unpack("<I", packed[1:5])[0]
lzma1 = {"id": lzma.FILTER_LZMA1, "dict_size": dictionary, "lc": properties % 9,
         "lp": properties % 45 // 9, "pb": properties // 45}
unpacker = lzma.LZMADecompressor(lzma.FORMAT_RAW, filters=[lzma1])
start = unpacker.decompress(packed[5:], max_length=4)
size = struct.unpack("<I", start)[0] & 0x7FFFFFFF
header = unpacker.decompress(b"", max_length=size)
# A variable, a language string or a folder stands as a code and its number: shown as "$…".
# The licence's text begins with a byte that marks it as plain text.
texts = re.sub("[\x01-\x04].", "$…", header.decode("utf-16-le", errors="replace"))
for text in re.sub("\0\x11", "\0", texts).split("\0"):
    lines = text.replace("\r\n", "\n").split("\n")
    if len(text) > 1 and all(line.isprintable() for line in lines):
        print(*lines, sep="\n")
