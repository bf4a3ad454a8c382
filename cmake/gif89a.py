#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""Writes a picture of at most 256 colours as the window's logo is kept: GIF89a, a global colour
table of 256 entries, one image, no extension blocks (ImageMagick adds a graphic control
extension to every GIF89a) and not interlaced.
    gif89a.py PICTURE.png LOGO.gif
"""
import sys

from PIL import Image

picture = Image.open(sys.argv[1]).convert("RGB")
colours = sorted(colour for _, colour in picture.getcolors(256))
index = {colour: i for i, colour in enumerate(colours)}
indexed = Image.new("P", picture.size)
# Filled up with black to 256 entries, which Pillow would otherwise cut to the next power of two.
indexed.putpalette([value for colour in colours for value in colour] + [0] * 3 * (256 - len(colours)))
# Each pixel to its own colour's entry: Pillow's own quantizing matches colours only roughly.
indexed.putdata([index[colour] for colour in picture.getdata()])
# Pillow writes GIF87a where it needs no extension, unless told the version.
indexed.info["version"] = b"89a"
indexed.save(sys.argv[2], optimize=False, interlace=False)
