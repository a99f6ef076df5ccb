#!/usr/bin/env python3
"""Draws the game's pictures (menu item bitmaps, the about picture, the information
picture, the window skin) as PNG files.

Each picture is ASCII art over a palette: one character a pixel, '.' transparent.
Run from the project root: tools/make_art.py  (writes into resources/).
"""
import os
import struct
import sys
import zlib

PALETTE = {
    '.': None,
    'k': (0, 0, 0), 'w': (255, 255, 255), 'g': (154, 154, 154), 'd': (90, 90, 90),
    'r': (220, 30, 30), 'R': (140, 10, 10), 'o': (255, 126, 0), 'b': (128, 63, 0),
    'y': (250, 210, 40), 'Y': (190, 140, 10), 'u': (40, 90, 210), 'U': (20, 50, 140),
    'e': (40, 170, 60), 'E': (15, 100, 30), 'l': (255, 90, 90),
}

GIVE_UP = """
..kk............
..kwwwwwwwwk....
..kwwwwwwwwwk...
..kwwwwwwwwwwk..
..kwwwwwwwwwwk..
..kwwwwwwwwwk...
..kwwwwwwwwk....
..kkkkkkkkk.....
..kd............
..kd............
..kd............
..kd............
..kd............
..kd............
.kkkk...........
kddddk..........
"""

HELP = """
.....UUUUUU.....
...UUuuuuuuUU...
..UuuuwwwwuuuU..
.UuuuwwuuwwuuuU.
.UuuuwwuuwwuuuU.
UuuuuuuuuwwuuuuU
UuuuuuuuwwuuuuuU
UuuuuuuwwuuuuuuU
UuuuuuuwwuuuuuuU
UuuuuuuwwuuuuuuU
UuuuuuuuuuuuuuuU
.UuuuuuwwuuuuuU.
.UuuuuuwwuuuuuU.
..UuuuuuuuuuuU..
...UUuuuuuuUU...
.....UUUUUU.....
"""

LOGS = """
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwrrwggggggwwk.
.kwwwwwwwwwwwwk.
.kwrrwggggwwwwk.
.kwwwwwwwwwwwwk.
.kwrrwgggggggwk.
.kwwwwwwwwwwwwk.
.kwrrwgggggwwwk.
.kwwwwwwwwwwwwk.
.kwrrwggggggwwk.
.kwwwwwwwwwwwwk.
.kwrrwggggwwwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
"""

OPTIONS = """
................
.kkkkkk.........
.kwwwwk.........
.kwwwek.gggggggg
.kweewk.........
.kEwwwk.........
.kkkkkk.........
................
................
.kkkkkk.........
.kwwwwk.........
.kwwwwk.gggggg..
.kwwwwk.........
.kwwwwk.........
.kkkkkk.........
................
"""

EXIT = """
................
.RR..........RR.
RrrR........RrrR
RrrrR......RrrrR
.RrrrR....RrrrR.
..RrrrR..RrrrR..
...RrrrRRrrrR...
....RrrrrrrR....
....RrrrrrrR....
...RrrrRRrrrR...
..RrrrR..RrrrR..
.RrrrR....RrrrR.
RrrrR......RrrrR
RrrR........RrrR
.RR..........RR.
................
"""

# The about picture: a padlock whose body shows four lit digits.
ABOUT = """
................................
...........gggggggggg...........
.........ggddddddddddgg.........
........gdd..........ddg........
.......gd..............dg.......
......gd................dg......
......gd................dg......
......gd................dg......
......gd................dg......
......gd................dg......
......gd................dg......
......gd................dg......
..YYYYYYYYYYYYYYYYYYYYYYYYYYYY..
..YyyyyyyyyyyyyyyyyyyyyyyyyyyY..
..YyykkkkkkkkkkkkkkkkkkkkkkyyY..
..Yyykrrrkrrrkrrrkrrrk.kkkkyyY..
..Yyykk.rkk.rkr.kkr.kk.kkkkyyY..
..Yyykk.rkk.rkr.kkr.kk.kkkkyyY..
..Yyykrrrkkrrkrrrkrrrk.kkkkyyY..
..Yyykr.kkk.rkk.rkr.rk.kkkkyyY..
..Yyykr.kkk.rkk.rkr.rk.kkkkyyY..
..Yyykrrrkrrrkk.rkrrrk.kkkkyyY..
..YyykkkkkkkkkkkkkkkkkkkkkkyyY..
..YyyyyyyyyyyyyyyyyyyyyyyyyyyY..
..YyyyyyyyyyyYYYYyyyyyyyyyyyyY..
..YyyyyyyyyyYkkkkYyyyyyyyyyyyY..
..YyyyyyyyyyYkkkkYyyyyyyyyyyyY..
..YyyyyyyyyyyYkkYyyyyyyyyyyyyY..
..YyyyyyyyyyyYkkYyyyyyyyyyyyyY..
..YyyyyyyyyyyyyyyyyyyyyyyyyyyY..
..YYYYYYYYYYYYYYYYYYYYYYYYYYYY..
................................
"""

# The about box's button glyphs: two 16 x 16 cells side by side, the picture and its
# disabled (greyed) image.
README_GLYPH = """
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwwwwwwwkwk...
..kwkkkkwwkkkk..
..kwwwwwwwwwwk..
..kwkkkkkkkwwk..
..kwwwwwwwwwwk..
..kwkkkkkkkwwk..
..kwwwwwwwwwwk..
..kwkkkkkkkwwk..
..kwwwwwwwwwwk..
..kwkkkkkwwwwk..
..kwwwwwwwwwwk..
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................
"""

CLOSE_GLYPH = """
................
..kkkkkkkkkkk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbybk...
..kbbbbbbbybk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kbbbbbbbbbk...
..kkkkkkkkkkk...
................
"""


def with_disabled_cell(art):
    """The glyph and, beside it, its shape in shadow grey with a white edge lower right."""
    rows = art.strip('\n').split('\n')
    disabled = []
    for y, row in enumerate(rows):
        line = ''
        for x, ch in enumerate(row):
            if ch != '.':
                line += 'd'
            elif x > 0 and y > 0 and rows[y - 1][x - 1] != '.':
                line += 'w'
            else:
                line += '.'
        disabled.append(line)
    return '\n'.join(a + b for a, b in zip(rows, disabled))


PICTURES = {
    'menu/giveup.png': GIVE_UP,
    'menu/help.png': HELP,
    'menu/logs.png': LOGS,
    'menu/options.png': OPTIONS,
    'menu/exit.png': EXIT,
    'images/about.png': ABOUT,
    'images/readme.png': with_disabled_cell(README_GLYPH),
    'images/close.png': with_disabled_cell(CLOSE_GLYPH),
}


def rows_of(art):
    rows = [line for line in art.strip('\n').split('\n')]
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            raise ValueError(f'ragged row {row!r}')
    return rows


def png_bytes(rows):
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter: none
        for ch in row:
            colour = PALETTE[ch]
            raw.extend((0, 0, 0, 0) if colour is None else (*colour, 255))

    return png_chunks(width, height, 6, bytes(raw))


def png_chunks(width, height, colour_type, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# The skin: the window's frame pieces, drawn row by row as 24-bit pictures.
BROWN, ORANGE, GREY, BLACK = (128, 63, 0), (255, 126, 0), (154, 154, 154), (0, 0, 0)
BROWN_LIGHT, BROWN_DARK = (176, 94, 16), (82, 38, 0)
RIVET, RIVET_SHINE = (60, 28, 0), (214, 150, 70)

# Band rows of the game panel's body, top to bottom: (first row, last row, colour).
MAIN_BANDS = [(0, 25, BROWN), (26, 28, ORANGE), (29, 93, BLACK), (94, 94, GREY),
              (95, 96, ORANGE), (97, 105, BROWN), (106, 108, ORANGE), (109, 287, BLACK),
              (288, 288, GREY), (289, 290, ORANGE), (291, 299, BROWN)]
# A side panel's body is one row shorter; it is stretched to 300 when shown.
SIDE_BANDS = [(0, 15, BROWN), (16, 17, ORANGE), (18, 18, GREY), (19, 286, BLACK),
              (287, 287, GREY), (288, 289, ORANGE), (290, 298, BROWN)]


def band_column(bands):
    column = []
    for first, last, colour in bands:
        column.extend([colour] * (last - first + 1))
    return column


def body_piece(bands):
    return [[colour] * 3 for colour in band_column(bands)]


def border_strip(bands, width, rivet_rows):
    """A left border strip: brown frame outside, an orange rim with a grey inner line around
    each black window, and the body's bands carried in to meet the body without a seam.
    The rim lies `rim` columns in from the inner edge; the columns inside it are the body's."""
    column = band_column(bands)
    height = len(column)
    inner = width - 4       # first column that copies the body
    rim = inner - 4         # orange rim: rim..rim+2, grey at rim+3
    rows = []
    for y, colour in enumerate(column):
        row = []
        window = colour == BLACK
        # Rows just outside a window carry its rim across, like the body does.
        for x in range(width):
            if x >= inner:
                pixel = colour
            elif x >= rim and (window or colour in (ORANGE, GREY)):
                if window:
                    pixel = GREY if x == rim + 3 else ORANGE
                else:
                    pixel = colour if colour == GREY and x == rim + 3 else ORANGE
            else:
                pixel = BROWN
            row.append(pixel)
        rows.append(row)
    # The frame's outer edge: lit on the outside, shaded one pixel in.
    for y in range(height):
        rows[y][0] = BROWN_LIGHT
        rows[y][1] = BROWN_DARK if 0 < y < height - 1 else rows[y][1]
    # Rivets on the brown frame.
    cx = (rim - 1) // 2 + 1
    for ry in rivet_rows:
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                rows[ry + dy][cx + dx] = RIVET
        rows[ry - 1][cx - 1] = RIVET_SHINE
    return rows


def mirrored(rows):
    return [list(reversed(row)) for row in rows]


def rgb_png_bytes(rows):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw.extend(pixel)
    return png_chunks(len(rows[0]), len(rows), 2, bytes(raw))


MAIN_RIVETS = [12, 101, 295]
SIDE_RIVETS = [8, 294]
SKIN = {
    'skin/main_left.png': border_strip(MAIN_BANDS, 27, MAIN_RIVETS),
    'skin/main_body.png': body_piece(MAIN_BANDS),
    'skin/main_right.png': mirrored(border_strip(MAIN_BANDS, 27, MAIN_RIVETS)),
    'skin/side_left.png': border_strip(SIDE_BANDS + [(299, 299, BROWN)], 23, SIDE_RIVETS),
    'skin/side_body.png': body_piece(SIDE_BANDS),
    'skin/side_right.png': mirrored(border_strip(SIDE_BANDS + [(299, 299, BROWN)], 23,
                                                 SIDE_RIVETS)),
}


def information_icon():
    """The info dialog's picture, 48 x 64 in sixteen colours or fewer: a blue medallion with a
    white "i", lit from the upper left, over a soft grey shadow; the rest see-through."""
    navy, blue, light, pale = (0, 0, 128), (0, 64, 200), (60, 120, 255), (150, 190, 255)
    white, grey, dark_grey = (255, 255, 255), (150, 150, 150), (110, 110, 110)
    cx, cy, radius = 23.5, 26.5, 21.5
    rows = []
    for y in range(64):
        row = []
        for x in range(48):
            dx, dy = x - cx, y - cy
            d = (dx * dx + dy * dy) ** 0.5
            pixel = None
            # The shadow on the ground below the medallion.
            sx, sy = (x - 25.5) / 18.0, (y - 56.5) / 4.0
            if sx * sx + sy * sy <= 1.0:
                pixel = dark_grey if sx * sx + sy * sy <= 0.45 else grey
            if d <= radius:
                if d > radius - 1.6:
                    pixel = navy
                else:
                    lit = -(dx + dy) / (radius * 1.41)  # 1 at the upper left, -1 lower right
                    pixel = pale if lit > 0.62 and d > radius - 6 else light if lit > 0.2 else blue
                # The letter: a round dot and a stem with a foot.
                if (x - 23.5) ** 2 + (y - 13.5) ** 2 <= 10.5:
                    pixel = white
                if 20 <= x <= 27 and 19 <= y <= 37 or 17 <= x <= 30 and 36 <= y <= 39:
                    pixel = white
                if 18 <= x <= 27 and 19 <= y <= 21:
                    pixel = white
            row.append(pixel)
        rows.append(row)
    return rows


def rgba_png_bytes(rows):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw.extend((0, 0, 0, 0) if pixel is None else (*pixel, 255))
    return png_chunks(len(rows[0]), len(rows), 6, bytes(raw))


# The link cursors: 32 x 32, black outline on white, the rest see-through ('.').
HAND_POINT = """
......kk........................
.....kwwk.......................
.....kwwk.......................
.....kwwk.......................
.....kwwk.......................
.....kwwkkk.....................
.....kwwkwwkkk..................
.....kwwkwwkwwkk................
.....kwwkwwkwwkwk...............
..kk.kwwkwwkwwkwwk..............
.kwwkkwwwwwwwwkwwk..............
.kwwwkwwwwwwwwwwwk..............
..kwwwwwwwwwwwwwwk..............
...kwwwwwwwwwwwwwk..............
...kwwwwwwwwwwwwk...............
....kwwwwwwwwwwwk...............
....kwwwwwwwwwwk................
.....kwwwwwwwwwk................
.....kwwwwwwwwwk................
.....kkkkkkkkkkk................
""" + "................................\n" * 12

FIST = """
................................
................................
................................
................................
.......kk.kk.kk.................
......kwwkwwkwwkk...............
......kwwkwwkwwkwk..............
....kkkwwkwwkwwkwwk.............
...kwwkwwwwwwwwwwwk.............
...kwwwwwwwwwwwwwwk.............
....kwwwwwwwwwwwwwk.............
....kwwwwwwwwwwwwk..............
.....kwwwwwwwwwwwk..............
.....kwwwwwwwwwwk...............
......kwwwwwwwwwk...............
......kkkkkkkkkkk...............
""" + "................................\n" * 16


def cursor_rows(art):
    rows = [line.ljust(32, '.')[:32] for line in art.strip('\n').split('\n')]
    return (rows + ['.' * 32] * 32)[:32]


def shifted(rows, dx, dy):
    empty = '.' * 32
    out = [empty] * 32
    for y, row in enumerate(rows):
        ty = y + dy
        if 0 <= ty < 32:
            line = ['.'] * 32
            for x, ch in enumerate(row):
                if ch != '.' and 0 <= x + dx < 32:
                    line[x + dx] = ch
            out[ty] = ''.join(line)
    return out


def halved(rows):
    """Every other pixel, for the small hand."""
    small = [''.join(row[x] for x in range(0, 32, 2)) + '.' * 16 for row in rows[0:32:2]]
    return small + ['.' * 32] * 16


def overlaid(base, top):
    return [''.join(t if t != '.' else b for b, t in zip(brow, trow))
            for brow, trow in zip(base, top)]


ARROW = cursor_rows("""
k...........
kk..........
kwk.........
kwwk........
kwwwk.......
kwwwwk......
kwwkkk......
kwk.........
kk..........
""")

MOTION = cursor_rows("""
................................
................................
................................
................................
................................
......................kkk.......
....................kk..........
......................kkkk......
....................kk..........
......................kkk.......
""")

# Number, picture and hot spot of each cursor.
CURSORS = {
    'cursors/handpoint.png': shifted(cursor_rows(HAND_POINT), 0, 0),          # 6, 0
    'cursors/smallhandpoint.png': shifted(halved(cursor_rows(HAND_POINT)), 10, 9),  # 13, 9
    'cursors/grabhand.png': shifted(cursor_rows(FIST), -2, -2),               # 4, 2
    'cursors/grabhandarrow.png': overlaid(shifted(cursor_rows(FIST), 6, 4), ARROW),  # 0, 0
    'cursors/draghand.png': overlaid(cursor_rows(FIST), MOTION),              # 0, 0
}


# The program's icon for desktop menus: the about picture at each size of the hicolor theme,
# scaled by whole pixels (or every other pixel for 16) so it keeps its pixel-art edges.
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def scaled_rows(art, size):
    rows = rows_of(art)
    n = len(rows)
    return [''.join(rows[y * n // size][x * n // size] for x in range(size)) for y in range(size)]


# The same icon for Windows (its file manager shows the executable's own): one ICO file
# holding the PNG of each size, which Windows reads since Vista.
def ico_bytes(pngs):
    header = struct.pack('<HHH', 0, 1, len(pngs))
    entries, images = b'', b''
    offset = len(header) + 16 * len(pngs)
    for size, png in pngs:
        side = size % 256  # 0 stands for 256
        entries += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(png), offset)
        images += png
        offset += len(png)
    return header + entries + images


def write(root, name, data):
    path = os.path.join(root, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as out:
        out.write(data)
    print('wrote', path)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else 'resources'
    for name, art in PICTURES.items():
        write(root, name, png_bytes(rows_of(art)))
    icons = [(size, png_bytes(scaled_rows(ABOUT, size))) for size in ICON_SIZES]
    for size, png in icons:
        write(root, f'icons/{size}x{size}/brainlock.png', png)
    write(root, 'icons/brainlock.ico', ico_bytes(icons))
    write(root, 'images/information.png', rgba_png_bytes(information_icon()))
    for name, rows in CURSORS.items():
        write(root, name, png_bytes(rows))
    for name, rows in SKIN.items():
        write(root, name, rgb_png_bytes(rows))


if __name__ == '__main__':
    main()
