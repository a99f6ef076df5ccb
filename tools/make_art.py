#!/usr/bin/env python3
"""Draws the game's small pictures (menu item bitmaps, the about picture) as PNG files.

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

PICTURES = {
    'menu/giveup.png': GIVE_UP,
    'menu/help.png': HELP,
    'menu/logs.png': LOGS,
    'menu/options.png': OPTIONS,
    'menu/exit.png': EXIT,
    'images/about.png': ABOUT,
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

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else 'resources'
    for name, art in PICTURES.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as out:
            out.write(png_bytes(rows_of(art)))
        print('wrote', path)


if __name__ == '__main__':
    main()
