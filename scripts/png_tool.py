#!/usr/bin/env python3
"""Small PNG checks for the packaging scripts, with the standard library only.

  png_tool.py same A.png B.png
      exit 0 when both images have the same size and the same pixels (fully transparent
      pixels count as equal whatever their colour), 1 otherwise.
  png_tool.py crop-window SCREEN.png OUT.png MIN_WIDTH MIN_HEIGHT
      finds the part of a screenshot that differs from its background (the colour of its
      top-left pixel), fails unless it is at least MIN_WIDTH x MIN_HEIGHT, writes that part
      to OUT.png and prints its place and size.

Reads 8-bit, non-interlaced greyscale, RGB and RGBA images: what the icon script, cairo
(Weston's screenshooter) and librsvg write.
"""
import struct
import sys
import zlib

CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


def read_png(path):
    """Returns (width, height, rows), each row a list of (r, g, b, a) tuples."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or interlace or colour_type not in CHANNELS:
        raise ValueError(f"{path}: depth {depth}, colour type {colour_type}, "
                         f"interlace {interlace} not read")
    step = CHANNELS[colour_type]
    stride = width * step
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up = previous[i]
            corner = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                guess = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + guess) & 0xFF
        previous = line
        pixels = []
        for x in range(width):
            v = line[x * step:(x + 1) * step]
            if step == 1:
                pixels.append((v[0], v[0], v[0], 255))
            elif step == 2:
                pixels.append((v[0], v[0], v[0], v[1]))
            elif step == 3:
                pixels.append((v[0], v[1], v[2], 255))
            else:
                pixels.append(tuple(v))
        rows.append(pixels)
    return width, height, rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def same(a, b):
    wa, ha, ra = read_png(a)
    wb, hb, rb = read_png(b)
    if (wa, ha) != (wb, hb):
        print(f"{a} is {wa} x {ha}, {b} is {wb} x {hb}", file=sys.stderr)
        return 1
    differ = sum(1 for y in range(ha) for x in range(wa)
                 if ra[y][x] != rb[y][x] and not (ra[y][x][3] == rb[y][x][3] == 0))
    if differ:
        print(f"{a} and {b} differ in {differ} pixels", file=sys.stderr)
        return 1
    return 0


def crop_window(screen, out, min_width, min_height):
    width, height, rows = read_png(screen)
    background = rows[0][0]
    xs = [x for y in range(height) for x in range(width) if rows[y][x] != background]
    ys = [y for y in range(height) if any(p != background for p in rows[y])]
    if not xs:
        print(f"{screen}: nothing but the background", file=sys.stderr)
        return 1
    left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
    w, h = right - left + 1, bottom - top + 1
    if w < min_width or h < min_height:
        print(f"{screen}: the window is {w} x {h}, expected at least {min_width} x {min_height}",
              file=sys.stderr)
        return 1
    write_png(out, [row[left:right + 1] for row in rows[top:bottom + 1]])
    print(f"{w} x {h} at {left},{top}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "same":
        sys.exit(same(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 6 and sys.argv[1] == "crop-window":
        sys.exit(crop_window(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
