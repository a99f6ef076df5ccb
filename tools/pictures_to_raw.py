#!/usr/bin/env python3
"""Writes the game's pictures in the form the game loads fastest: the pixels as Qt holds them,
so that a picture becomes an image without a decoder (and without Qt's search for one).

Each PNG (8 bits a channel, RGB or RGBA, not interlaced: what tools/make_art.py draws)
becomes NAME.bgra beside where the PNG's path leads under OUTDIR: "BLRW", the width, the
height and the image format Qt's PNG reader gives it (4, RGB32, for RGB; 5, ARGB32, for
RGBA), each a little-endian 32-bit number, then a row after row of 32-bit pixels 0xAARRGGBB,
little-endian (blue first), the alpha of RGB pictures 255.

Usage: pictures_to_raw.py BASE OUTDIR PICTURE.png...   (paths under BASE keep their place)
"""
import os
import struct
import sys
import zlib

FORMAT_RGB32, FORMAT_ARGB32 = 4, 5


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode(path):
    """(width, height, channels, rows of bytes) of a PNG as described above."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("%s: not a PNG file" % path)
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit("%s: only 8-bit RGB or RGBA pictures, not interlaced" % path)
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            a = line[x - channels] if x >= channels else 0
            b = previous[x]
            c = previous[x - channels] if x >= channels else 0
            line[x] = (line[x] + (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]) & 0xFF
        rows.append(line)
        previous = line
    return width, height, channels, rows


def convert(source, target):
    width, height, channels, rows = decode(source)
    out = bytearray(b"BLRW" + struct.pack("<III", width, height,
                                          FORMAT_RGB32 if channels == 3 else FORMAT_ARGB32))
    for line in rows:
        for x in range(width):
            pixel = line[x * channels:(x + 1) * channels]
            alpha = pixel[3] if channels == 4 else 255
            out += bytes((pixel[2], pixel[1], pixel[0], alpha))
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "wb") as file:
        file.write(out)


def main():
    base, outdir, pictures = sys.argv[1], sys.argv[2], sys.argv[3:]
    for picture in pictures:
        relative = os.path.relpath(picture, base)
        convert(picture, os.path.join(outdir, os.path.splitext(relative)[0] + ".bgra"))


if __name__ == "__main__":
    main()
