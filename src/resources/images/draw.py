#!/usr/bin/env python3
"""Draws the editor's bitmaps and cursors as small pixel pictures and writes
them as BMP and CUR files beside this script. Run it again after a change."""
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp24(path, width, height, pixel):
    """Writes a bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b), y from the top."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def bmp8(path, width, height, pixel, palette):
    """Writes a bottom-up 8-bit BMP; pixel(x, y) gives a palette index."""
    row = (width + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray(pixel(x, y) for x in range(width))
        line += b"\0" * (row - len(line))
        data += line
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette) + b"\0" * 4 * (256 - len(palette))
    off = 54 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(header + info + pal + data)


def glyph_rows(rows):
    """Turns a list of strings into a set of (x, y) for the non-blank cells."""
    return {(x, y) for y, r in enumerate(rows) for x, c in enumerate(r) if c != " "}, rows


# Toolbar pictures of 24 x 23, each drawn from a pattern placed at (4, 5) in
# a colour of its own. The strip holds them in the order that
# ../toolbar_pictures.h gives, so that the buttons and the strip agree.
TOOLBAR = {
    "switch":  ((60, 60, 180),  ["#####     ", "#   #     ", "#   # ### ", "##### # # ", "      # # ", "  ### ### ", "  #        ", "  #####    "]),
    "save":    ((40, 80, 160),  ["############## ", "#  ########  # ", "#  #      #  # ", "#  #      #  # ", "#  ########  # ", "#            # ", "#  ########  # ", "#  #  ##  #  # ", "#  #  ##  #  # ", "############## "]),
    "font":    ((0, 0, 0),      ["    ###     ", "   #   #    ", "  #     #   ", "  #     #   ", "  #######   ", "  #     #   ", "  #     #   ", " ###   ###  "]),
    "copy":    ((40, 120, 40),  ["########     ", "#      #     ", "#  ########  ", "#  #      #  ", "#  #  ##  #  ", "####      #  ", "   #  ##  #  ", "   #      #  ", "   ########  "]),
    "cut":     ((160, 40, 40),  ["  #       #  ", "  #       #  ", "   #     #   ", "    #   #    ", "     # #     ", "      #      ", "     # #     ", "  ###   ###  ", " #  #   #  # ", "  ##     ##  "]),
    "paste":   ((120, 80, 40),  ["   ####      ", " ##    ##    ", " # #### #    ", " #      #    ", " #  ########", " #  #      #", " #  # ##   #", " ####      #", "    ########"]),
    "undo":    ((100, 40, 140), ["    #        ", "   ##        ", "  #######    ", "   ##    #   ", "    #     #  ", "          #  ", "          #  ", "         #   ", "     ####    "]),
    "colour":  ((220, 0, 120),  ["  ##    ##  ", " #  #  #  # ", "#    ##    #", "#    ##    #", " #  #  #  # ", "  ##    ##  "]),
    "capture": ((80, 80, 80),   ["  ###        ", "##############", "#            #", "#    ####    #", "#   #    #   #", "#   #    #   #", "#    ####    #", "##############"]),
    "compile": ((200, 80, 0),   [" ######## ", "#        #", "#  ####  #", "# #      #", "# #      #", "#  ####  #", "#        #", " ######## "]),
    "next":    ((0, 140, 80),   ["#          ", "##         ", "###        ", "####       ", "#####      ", "####       ", "###        ", "##         ", "#          "]),
    "functop": ((0, 110, 150),  ["#########", "         ", "    #    ", "   ###   ", "  #####  ", " ####### ", "#########"]),
    "start":   ((40, 160, 40),  ["#########", "         ", "    #    ", "   ###   ", "  #####  ", " ####### ", "#########"]),
    "end":     ((20, 100, 60),  ["#########", " ####### ", "  #####  ", "   ###   ", "    #    ", "         ", "#########"]),
    "list":    ((0, 100, 160),  ["## ########", "           ", "## ########", "           ", "## ########", "           ", "## ########"]),
    "rclist":  ((160, 100, 0),  ["######## ", "#      # ", "# #### # ", "#      # ", "# ##   # ", "#      # ", "######## "]),
}


def toolbar_order():
    """The picture names in the order of the enum in ../toolbar_pictures.h."""
    with open(os.path.join(HERE, "..", "toolbar_pictures.h")) as f:
        names = re.findall(r"^\s*TOOLBAR_PIC_(\w+)", f.read(), re.M)
    return [n.lower() for n in names if n != "COUNT"]


STRIP = [TOOLBAR[name] for name in toolbar_order()]


def toolbar_pixel(x, y):
    index, cx = divmod(x, 24)
    colour, rows = STRIP[index]
    gx, gy = cx - 4, y - 5
    if 0 <= gy < len(rows) and 0 <= gx < len(rows[gy]) and rows[gy][gx] != " ":
        return colour
    return (192, 192, 192)


# Search modes: normal (plain "abc"), variable (a boxed name), pattern (a star).
FIND = [
    ["             ", "  #  ##   ## ", " # # # # #   ", " ### ##  #   ", " # # # # #   ", " # # ##   ## "],
    ["#############", "#           #", "#  # #  ##  #", "#  # # #    #", "#   #   ##  #", "#############"],
    ["      #      ", "  #   #   #  ", "    # # #    ", "  #########  ", "    # # #    ", "  #   #   #  ", "      #      "],
    ["  ##  ##  ## ", "             ", "  ##  ##  ## "],
]


def find_pixel(x, y):
    index, cx = divmod(x, 16)
    rows = FIND[index]
    gx, gy = cx - 1, y - 4
    if 0 <= gy < len(rows) and 0 <= gx < len(rows[gy]) and rows[gy][gx] != " ":
        return 1
    return 0


NEXTPAGE = ["#        #", "##       ##", "###      ###", "####     ####", "###      ###", "##       ##", "#        #"]


def nextpage_pixel(x, y):
    gx, gy = x - 5, y - 8
    if 0 <= gy < len(NEXTPAGE) and 0 <= gx < len(NEXTPAGE[gy]) and NEXTPAGE[gy][gx] != " ":
        return (0, 100, 0)
    return (212, 208, 200)


def cursor(path, rows, hotspot):
    """Writes a 32 x 32 monochrome cursor: '#' black, '.' white, ' ' transparent."""
    xor = bytearray()
    andm = bytearray()
    for y in range(31, -1, -1):
        r = rows[y] if y < len(rows) else ""
        xb = ab = 0
        xl = bytearray()
        al = bytearray()
        for x in range(32):
            c = r[x] if x < len(r) else " "
            xbit = 1 if c == "." else 0
            abit = 1 if c == " " else 0
            xb = (xb << 1) | xbit
            ab = (ab << 1) | abit
            if x % 8 == 7:
                xl.append(xb)
                al.append(ab)
                xb = ab = 0
        xor += xl
        andm += al
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + xor + andm
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


ARROW_BASE = [
    "#", "##", "#.#", "#..#", "#...#", "#....#", "#.....#", "#......#", "#.......#", "#........#",
    "#.....#####", "#..#..#", "#.# #..#", "##  #..#", "#    #..#", "     #..#", "      ##",
]


def with_mark(mark, at_x, at_y):
    rows = [r.ljust(32) for r in ARROW_BASE] + [" " * 32] * (32 - len(ARROW_BASE))
    rows = [list(r) for r in rows]
    for dy, line in enumerate(mark):
        for dx, c in enumerate(line):
            if c != " ":
                rows[at_y + dy][at_x + dx] = c
    return ["".join(r) for r in rows]


JUMP_MARK = ["#######", "#.....#", "#.##..#", "#.....#", "#.###.#", "#.....#", "#######"]
INSERT_MARK = ["  ###  ", "  #.#  ", "###.###", "#.....#", "###.###", "  #.#  ", "  ###  "]
HAND = [
    "     ##", "    #..#", "    #..#", "    #..#", "    #..###", "    #..#..##", " ## #..#..#.#", "#..##..#..#..#",
    "#...#........#", " #...........#", "  #..........#", "  #.........#", "   #........#", "    #......#", "    ########",
]
SIZE_WE = [" " * 32] * 12 + [
    "       ##          ##",
    "      #.#          #.#",
    "     #..############..#",
    "    #..................#",
    "     #..############..#",
    "      #.#          #.#",
    "       ##          ##",
]
SIZE_NS = [
    "           #", "          #.#", "         #...#", "        #.....#", "       ####.####", "          #.#", "          #.#",
    "          #.#", "          #.#", "          #.#", "          #.#", "       ####.####", "        #.....#", "         #...#",
    "          #.#", "           #",
]

if __name__ == "__main__":
    bmp24(os.path.join(HERE, "toolbar.bmp"), 24 * len(STRIP), 23, toolbar_pixel)
    bmp8(os.path.join(HERE, "findrebar.bmp"), 64, 15, find_pixel, [(192, 192, 192), (0, 0, 128)])
    bmp24(os.path.join(HERE, "nextpage.bmp"), 24, 23, nextpage_pixel)
    cursor(os.path.join(HERE, "jump.cur"), with_mark(JUMP_MARK, 12, 14), (0, 0))
    cursor(os.path.join(HERE, "insert.cur"), with_mark(INSERT_MARK, 12, 14), (0, 0))
    cursor(os.path.join(HERE, "hand.cur"), HAND, (6, 0))
    cursor(os.path.join(HERE, "sizingwe.cur"), SIZE_WE, (14, 15))
    cursor(os.path.join(HERE, "sizingns.cur"), SIZE_NS, (11, 8))
