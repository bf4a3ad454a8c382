#!/usr/bin/env python3
"""Draws ZIFRANO's three images and writes them in the formats the window loads.

  ui/resources/zifrano.ico  window icon: 32 x 32, 16 colours, transparency mask
  ui/resources/logo.gif     the logo: GIF89a, 120 x 29, global colour table of 256 entries
  ui/resources/pointer.xpm  the pointer over the logo: 32 x 32, two colours and a mask,
                            hot spot (12, 6)
  packaging/icons/zifrano-N.png  the window icon for the desktop's menus, N = 32, 64, 128
  packaging/icons/zifrano.svg    the same icon, scalable: the 32 x 32 pixels as squares

Only the standard library is used, so the images can be made anew anywhere:
    python3 scripts/make-images.py
"""
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "ui" / "resources"
ICONS = ROOT / "packaging" / "icons"

# A 5 x 7 pixel alphabet, just the letters and digits the images use.
GLYPHS = {
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
}


def draw_text(pixels, text, left, top, colour, scale=1):
    for i, letter in enumerate(text):
        for y, row in enumerate(GLYPHS[letter]):
            for x, cell in enumerate(row):
                if cell == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[top + y * scale + dy][left + (i * 6 + x) * scale + dx] = colour


# --- window icon: a cheque with "123" on it --------------------------------------------------

ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT = None


def icon_pixels():
    px = [[TRANSPARENT] * 32 for _ in range(32)]
    for y in range(6, 27):
        for x in range(1, 31):
            edge = y in (6, 26) or x in (1, 30)
            px[y][x] = 0 if edge else (11 if y < 10 else 15)
    draw_text(px, "123", 4, 12, 4)
    for x in range(4, 28):
        px[22][x] = 8
    for x in range(22, 28):
        px[9][x] = 9
    return px


def write_ico(path):
    px = icon_pixels()
    xor_rows, and_rows = [], []
    for row in reversed(px):  # bitmaps are stored bottom-up
        nibbles = [0 if c is TRANSPARENT else c for c in row]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 32, 2)))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c is TRANSPARENT else 0)
        and_rows.append(bits.to_bytes(4, "big"))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in ICON_PALETTE)
    xor_mask, and_mask = b"".join(xor_rows), b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor_mask) + len(and_mask),
                         0, 0, 16, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    path.write_bytes(directory + entry + image)


def write_png(path, scale):
    """The window icon, each pixel made a scale x scale square, as an RGBA PNG."""
    size = 32 * scale
    rows = []
    for row in icon_pixels():
        line = b"".join(bytes((0, 0, 0, 0)) if c is TRANSPARENT else bytes(ICON_PALETTE[c] + (255,))
                        for c in row for _ in range(scale))
        rows += [b"\x00" + line] * scale

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                     chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def write_svg(path):
    """The window icon as an SVG of 32 x 32 unit squares, each run of one colour along a row
    drawn as one rectangle, so that it scales to any size with the 32-pixel art's edges."""
    rects = []
    for y, row in enumerate(icon_pixels()):
        x = 0
        while x < 32:
            colour = row[x]
            end = x
            while end < 32 and row[end] == colour:
                end += 1
            if colour is not TRANSPARENT:
                r, g, b = ICON_PALETTE[colour]
                rects.append(f'  <rect x="{x}" y="{y}" width="{end - x}" height="1" '
                             f'fill="#{r:02x}{g:02x}{b:02x}"/>')
            x = end
    path.write_text('<?xml version="1.0" encoding="UTF-8"?>\n'
                    '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
                    'viewBox="0 0 32 32" shape-rendering="crispEdges">\n' +
                    "\n".join(rects) + "\n</svg>\n")


# --- logo: "ZIFRANO" on a blue band ---------------------------------------------------------

def logo_palette():
    # A full 256-entry table: a ramp of blues for the band, then greys.
    colours = [(0, 0, 64 + i) for i in range(128)] + [(i * 2, i * 2, i * 2) for i in range(128)]
    colours[255] = (255, 255, 255)
    colours[254] = (255, 204, 0)
    return colours


def logo_pixels():
    px = [[int(x * 127 / 119) for x in range(120)] for _ in range(29)]
    for x in range(120):
        px[0][x] = px[28][x] = 128
    draw_text(px, "ZIFRANO", 18, 4, 255, scale=2)
    for x in range(18, 100):
        px[25][x] = 254
    return px


def lzw_uncompressed(indices, min_code_size=8):
    """Encodes the indices as GIF LZW codes without building strings, clearing the table
    before the codes outgrow nine bits: larger than real compression, but simple and valid."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    codes, since_clear = [clear], 0
    for index in indices:
        if since_clear == 254:
            codes.append(clear)
            since_clear = 0
        codes.append(index)
        since_clear += 1
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += 9
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path):
    px = logo_pixels()
    width, height = 120, 29
    data = lzw_uncompressed([c for row in px for c in row])
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    screen = struct.pack("<6sHHBBB", b"GIF89a", width, height, 0xF7, 0, 0)
    table = b"".join(bytes(c) for c in logo_palette())
    descriptor = struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    path.write_bytes(screen + table + descriptor + bytes([8]) + blocks + b"\x00" + b"\x3B")


# --- pointer: a pointing hand whose fingertip is the hot spot (12, 6) -----------------------

POINTER = [
    "............................",
    "............................",
    "............................",
    "............................",
    "............................",
    "............................",
    "...........##...............",
    "..........#oo#..............",
    "..........#oo#..............",
    "..........#oo#..............",
    "..........#oo#..............",
    "..........#oo###............",
    "..........#oo#oo###.........",
    "..........#oo#oo#oo##.......",
    "..........#oo#oo#oo#o#......",
    "......###.#oo#oo#oo#o#......",
    "......#oo##ooooooooooo#.....",
    "......#ooo#ooooooooooo#.....",
    ".......#oo#ooooooooooo#.....",
    "........#ooooooooooooo#.....",
    "........#ooooooooooooo#.....",
    ".........#oooooooooooo#.....",
    ".........#ooooooooooo#......",
    "..........#oooooooooo#......",
    "..........#oooooooooo#......",
    "...........#oooooooo#.......",
    "...........#oooooooo#.......",
    "...........##########.......",
]


def write_xpm(path):
    rows = [line.ljust(32, ".") for line in POINTER]
    rows += ["." * 32] * (32 - len(rows))
    # Shift right by one so that the fingertip's first black pixel stands at the hot spot.
    rows = ["." + row[:31] for row in rows]
    lines = ['"32 32 3 1 12 6"',
             '". c None"', '"# c #000000"', '"o c #FFFFFF"'] + [f'"{row}"' for row in rows]
    text = "/* XPM */\nstatic const char *pointer[] = {\n" + ",\n".join(lines) + "\n};\n"
    path.write_text(text)


if __name__ == "__main__":
    OUT.mkdir(parents=True, exist_ok=True)
    write_ico(OUT / "zifrano.ico")
    write_gif(OUT / "logo.gif")
    write_xpm(OUT / "pointer.xpm")
    ICONS.mkdir(parents=True, exist_ok=True)
    for scale in (1, 2, 4):
        write_png(ICONS / f"zifrano-{32 * scale}.png", scale)
    write_svg(ICONS / "zifrano.svg")
    print(f"images written to {OUT} and {ICONS}")
