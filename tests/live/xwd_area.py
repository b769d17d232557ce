#!/usr/bin/env python3
"""Reads an XWD screenshot (xwd -silent) on standard input and prints the
share of the pixels of an area that are of a colour family, so that a test
can poll a window until something shows.

usage: xwd_area.py X Y WIDTH HEIGHT green|red|blue|any-dark [X Y WIDTH HEIGHT FAMILY]...
One line "HITS TOTAL" for each area, in order: one read of the screenshot
serves several checks.
"""
import struct
import sys


def pixels(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, _version, fmt, _depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks = fields[14:17]
    ncolors = fields[19]
    if fmt != 2 or bits_per_pixel not in (24, 32):
        raise SystemExit("only 24 and 32-bit ZPixmap screenshots are read")
    start = header_size + ncolors * 12
    step = bits_per_pixel // 8
    endian = "<" if byte_order == 0 else ">"
    shifts = [(m & -m).bit_length() - 1 for m in masks]

    def at(x, y):
        o = start + y * bytes_per_line + x * step
        raw = data[o:o + step] + (b"\0" if step == 3 else b"")
        v = struct.unpack(endian + "I", raw)[0]
        return tuple((v & m) >> s for m, s in zip(masks, shifts))

    return width, height, at


def count(at, width, height, x, y, w, h, family):
    hits = total = 0
    for py in range(max(0, y), min(height, y + h)):
        for px in range(max(0, x), min(width, x + w)):
            r, g, b = at(px, py)
            total += 1
            if family == "green":
                hits += g > r + 50 and g > b + 20
            elif family == "red":
                hits += r > 150 and r > g + 80 and r > b + 80
            elif family == "blue":
                hits += b > 150 and b > r + 80 and b > g + 80
            else:
                hits += r + g + b < 200
    return hits, total


def main():
    args = sys.argv[1:]
    if not args or len(args) % 5 != 0:
        raise SystemExit(__doc__)
    width, height, at = pixels(sys.stdin.buffer.read())
    for i in range(0, len(args), 5):
        x, y, w, h = (int(a) for a in args[i:i + 4])
        hits, total = count(at, width, height, x, y, w, h, args[i + 4])
        print(f"{hits} {total}")


if __name__ == "__main__":
    main()
