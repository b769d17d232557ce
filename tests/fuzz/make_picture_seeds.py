#!/usr/bin/env python3
"""Writes the seed corpus of the picture fuzzer: tiny valid files of every
kind the sim decoders read, each a few bytes, made here from nothing.

    tests/fuzz/make_picture_seeds.py [folder]   (default: corpus/pictures)
"""
import os
import struct
import sys
import zlib

# The 2 x 2 picture most seeds show: red, green on top; blue, white below.
RED, GREEN, BLUE, WHITE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)
TOP_DOWN = [[RED, GREEN], [BLUE, WHITE]]


def le16(v):
    return struct.pack("<H", v & 0xFFFF)


def le32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


# Bitmaps ---------------------------------------------------------------

def info_header(width, height, bpp, compression=0, colours=0, size=40):
    header = le32(size) + le32(width) + le32(height) + le16(1) + le16(bpp) + le32(compression)
    header += le32(0) + le32(2835) + le32(2835) + le32(colours) + le32(0)
    return header + b"\0" * (size - 40)


def bmp_file(dib, palette_and_pixels_at, payload):
    offset = 14 + palette_and_pixels_at
    data = dib + payload
    return b"BM" + le32(14 + len(data)) + le32(0) + le32(offset) + data


def pad_row(row):
    return row + b"\0" * (-len(row) % 4)


def bgr(c):
    return bytes((c[2], c[1], c[0]))


def palette_of(colours, entry=4):
    return b"".join(bgr(c) + (b"\0" if entry == 4 else b"") for c in colours)


def indexed_bitmap(bpp):
    if bpp == 1:
        colours, rows = [(0, 0, 0), WHITE], [[0, 1], [1, 0]]
    else:
        colours, rows = [RED, GREEN, BLUE, WHITE], [[0, 1], [2, 3]]
    body = b""
    for row in reversed(rows):  # bottom-up
        bits = "".join(format(i, "0%db" % bpp) for i in row)
        bits += "0" * (-len(bits) % 8)
        body += pad_row(bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8)))
    palette = palette_of(colours)
    dib = info_header(2, 2, bpp, colours=len(colours))
    return bmp_file(dib + palette, len(dib) + len(palette), body)


def true_colour_bitmap(bpp, top_down=False):
    body = b""
    rows = TOP_DOWN if top_down else list(reversed(TOP_DOWN))
    for row in rows:
        if bpp == 24:
            body += pad_row(b"".join(bgr(c) for c in row))
        elif bpp == 32:
            body += b"".join(bgr(c) + b"\0" for c in row)
        else:  # 16: five bits a channel
            body += pad_row(b"".join(le16(((c[0] >> 3) << 10) | ((c[1] >> 3) << 5) | (c[2] >> 3)) for c in row))
    dib = info_header(2, -2 if top_down else 2, bpp)
    return bmp_file(dib, len(dib), body)


def bitfields_bitmap():
    # 16-bit 5-6-5 with the masks after a 40-byte header.
    body = b""
    for row in reversed(TOP_DOWN):
        body += b"".join(le16(((c[0] >> 3) << 11) | ((c[1] >> 2) << 5) | (c[2] >> 3)) for c in row)
    masks = le32(0xF800) + le32(0x07E0) + le32(0x001F)
    dib = info_header(2, 2, 16, compression=3)
    return bmp_file(dib + masks, len(dib) + len(masks), body)


def alpha_bitmap():
    # 32-bit with an alpha mask in a V4-sized header; the bottom row half clear.
    body = b""
    for y, row in enumerate(reversed(TOP_DOWN)):
        body += b"".join(bgr(c) + (b"\x80" if y == 0 else b"\xFF") for c in row)
    dib = bytearray(info_header(2, 2, 32, compression=3, size=108))
    dib[40:56] = le32(0xFF0000) + le32(0xFF00) + le32(0xFF) + le32(0xFF000000)
    return bmp_file(bytes(dib), len(dib), body)


def core_bitmap():
    # The old 12-byte header with a 3-byte palette.
    dib = le32(12) + le16(2) + le16(2) + le16(1) + le16(8)
    palette = palette_of([RED, GREEN, BLUE, WHITE], entry=3) + b"\0" * (3 * 252)
    body = pad_row(bytes((2, 3))) + pad_row(bytes((0, 1)))
    return bmp_file(dib + palette, len(dib) + len(palette), body)


def rle8_bitmap():
    # Bottom row: a run of blue then white; top row by absolute pixels after
    # an end of line; then the end of the bitmap.
    stream = bytes((1, 2, 1, 3, 0, 0)) + bytes((0, 3, 0, 1, 1, 0)) + bytes((0, 1))
    dib = info_header(3, 2, 8, compression=1, colours=4)
    palette = palette_of([RED, GREEN, BLUE, WHITE])
    return bmp_file(dib + palette, len(dib) + len(palette), stream)


def rle4_bitmap():
    # A run of blue/white, a delta up one row, absolute red/green/blue there.
    stream = bytes((2, 0x23, 0, 2, 0, 1)) + bytes((0, 3, 0x01, 0x20)) + bytes((0, 1))
    dib = info_header(5, 2, 4, compression=2, colours=4)
    palette = palette_of([RED, GREEN, BLUE, WHITE])
    return bmp_file(dib + palette, len(dib) + len(palette), stream)


# Icons -----------------------------------------------------------------

def icon_file(entries):
    """entries: (width, height, bpp, data)"""
    out = le16(0) + le16(1) + le16(len(entries))
    offset = 6 + 16 * len(entries)
    table, blobs = b"", b""
    for w, h, bpp, data in entries:
        table += bytes((w & 0xFF, h & 0xFF, 0, 0)) + le16(1) + le16(bpp) + le32(len(data)) + le32(offset)
        offset += len(data)
        blobs += data
    return out + table + blobs


def dib_icon_entry():
    colours = b""
    for row in reversed(TOP_DOWN):
        colours += b"".join(bgr(c) + b"\xFF" for c in row)
    mask = pad_row(bytes((0x40,))) + pad_row(bytes((0,)))  # bottom-right clear
    return info_header(2, 4, 32) + colours + mask


# PNG -------------------------------------------------------------------

def png_chunk(kind, data):
    return le32be(len(data)) + kind + data + le32be(zlib.crc32(kind + data))


def le32be(v):
    return struct.pack(">I", v)


def png_file(rgba=False, indexed=False):
    if indexed:
        header = struct.pack(">IIBBBBB", 2, 2, 8, 3, 0, 0, 0)
        raw = b"\0" + bytes((0, 1)) + b"\0" + bytes((2, 3))
        chunks = png_chunk(b"PLTE", b"".join(bytes(c) for c in (RED, GREEN, BLUE, WHITE)))
        chunks += png_chunk(b"tRNS", bytes((255, 255, 255, 0)))
    else:
        header = struct.pack(">IIBBBBB", 2, 2, 8, 6 if rgba else 2, 0, 0, 0)
        raw = b""
        for row in TOP_DOWN:
            raw += b"\0" + b"".join(bytes(c) + (b"\x80" if rgba else b"") for c in row)
        chunks = b""
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + chunks +
            png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b""))


# GIF -------------------------------------------------------------------

def lzw_literals(indices, min_code_size=2):
    """Codes for the indices, each behind a clear code so the width stays."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    codes = []
    for i in indices:
        codes += [clear, i]
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits)
    return bytes((min_code_size, len(out))) + bytes(out) + b"\0"


def gif_file(frames, interlace=False):
    """frames: list of (left, top, width, height, indices, delay, disposal)"""
    out = b"GIF89a" + le16(2) + le16(2) + bytes((0x81, 0, 0))  # 4-colour table
    out += b"".join(bytes(c) for c in (RED, GREEN, BLUE, WHITE))
    if len(frames) > 1:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    for left, top, w, h, indices, delay, disposal in frames:
        out += b"\x21\xF9\x04" + bytes((disposal << 2,)) + le16(delay) + b"\x00\x00"
        out += b"," + le16(left) + le16(top) + le16(w) + le16(h) + bytes((0x40 if interlace else 0,))
        out += lzw_literals(indices)
    return out + b";"


# JPEG ------------------------------------------------------------------

class BitWriter:
    def __init__(self):
        self.out, self.bits, self.n = bytearray(), 0, 0

    def put(self, value, length):
        for i in reversed(range(length)):
            self.bits = (self.bits << 1) | ((value >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.bits)
                if self.bits == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.bits, self.n = 0, 0

    def flush(self):
        while self.n:
            self.put(1, 1)
        return bytes(self.out)


def jpeg_file(colour):
    """A baseline 2 x 2 JPEG of one flat colour: one 8 x 8 block per
    component, DC only, quantisation 1, Huffman tables made for it."""
    r, g, b = colour
    ycc = (0.299 * r + 0.587 * g + 0.114 * b,
           128 - 0.168736 * r - 0.331264 * g + 0.5 * b,
           128 + 0.5 * r - 0.418688 * g - 0.081312 * b)
    dcs = [int(round(8 * (v - 128))) for v in ycc]

    def category(v):
        return 0 if v == 0 else abs(v).bit_length()

    cats = sorted(set(category(v) for v in dcs))
    # Every category gets a code of one length, short enough to leave the
    # all-ones code (which is not allowed) unused.
    length = 1
    while (1 << length) <= len(cats):
        length += 1
    counts = [0] * 16
    counts[length - 1] = len(cats)
    codes = {c: (i, length) for i, c in enumerate(cats)}
    dht_dc = bytes((0x00,)) + bytes(counts) + bytes(cats)
    dht_ac = bytes((0x10,)) + bytes([1] + [0] * 15) + bytes((0x00,))  # only EOB, code 0

    w = BitWriter()
    for v in dcs:
        c = category(v)
        value, n = codes[c]
        w.put(value, n)
        if c:
            w.put(v if v > 0 else v + (1 << c) - 1, c)
        w.put(0, 1)  # EOB
    scan = w.flush()

    def seg(marker, data):
        return b"\xFF" + bytes((marker,)) + struct.pack(">H", len(data) + 2) + data

    out = b"\xFF\xD8"
    out += seg(0xDB, b"\x00" + b"\x01" * 64)
    out += seg(0xC0, bytes((8,)) + struct.pack(">HH", 2, 2) + bytes((3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0)))
    out += seg(0xC4, dht_dc + dht_ac)
    out += seg(0xDA, bytes((3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0)))
    return out + scan + b"\xFF\xD9"


def progressive_jpeg(scans):
    """An 8 x 8 grey progressive JPEG: its DC scan a few times over."""
    def seg(marker, data):
        return b"\xFF" + bytes((marker,)) + struct.pack(">H", len(data) + 2) + data

    out = b"\xFF\xD8" + seg(0xDB, b"\x00" + b"\x01" * 64)
    out += seg(0xC2, bytes((8,)) + struct.pack(">HH", 8, 8) + bytes((1, 1, 0x11, 0)))
    out += seg(0xC4, bytes((0x00,)) + bytes([1] + [0] * 15) + bytes((0,)))
    for _ in range(scans):
        out += seg(0xDA, bytes((1, 1, 0x00, 0, 0, 0))) + b"\x7F"
    return out + b"\xFF\xD9"


def seeds():
    yield "red.jpg", jpeg_file(RED)
    yield "grey.jpg", jpeg_file((128, 128, 128))
    yield "progressive.jpg", progressive_jpeg(3)
    yield "rgb.png", png_file()
    yield "rgba.png", png_file(rgba=True)
    yield "indexed.png", png_file(indexed=True)
    yield "still.gif", gif_file([(0, 0, 2, 2, [0, 1, 2, 3], 0, 0)])
    yield "interlaced.gif", gif_file([(0, 0, 2, 2, [0, 1, 2, 3], 0, 0)], interlace=True)
    yield "two-frames.gif", gif_file([(0, 0, 2, 2, [0, 1, 2, 3], 10, 1), (1, 1, 1, 1, [0], 20, 2)])
    for bpp in (1, 4, 8):
        yield "indexed%d.bmp" % bpp, indexed_bitmap(bpp)
    for bpp in (16, 24, 32):
        yield "rgb%d.bmp" % bpp, true_colour_bitmap(bpp)
    yield "top-down24.bmp", true_colour_bitmap(24, top_down=True)
    yield "bitfields565.bmp", bitfields_bitmap()
    yield "alpha32.bmp", alpha_bitmap()
    yield "core8.bmp", core_bitmap()
    yield "rle8.bmp", rle8_bitmap()
    yield "rle4.bmp", rle4_bitmap()
    yield "dib.ico", icon_file([(2, 2, 32, dib_icon_entry())])
    yield "png.ico", icon_file([(1, 1, 32, dib_icon_entry()), (2, 2, 32, png_file(rgba=True))])


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus", "pictures")
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
