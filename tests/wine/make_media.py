#!/usr/bin/env python3
"""Writes the media of the Wine scenario "media" into a folder: a short WAV
tone and a small uncompressed AVI whose every frame is one colour."""
import math
import struct
import sys


def wave(path, ms=400, rate=8000):
    samples = bytes(int(128 + 60 * math.sin(2 * math.pi * 880 * i / rate)) for i in range(rate * ms // 1000))
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(samples)) + samples
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def lst(kind, data):
    return chunk(b"LIST", kind + data)


def avi(path, width=32, height=24, frames=20, fps=10, rgb=(255, 0, 255)):
    row = bytes([rgb[2], rgb[1], rgb[0]]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    frame = row * height
    avih = struct.pack("<IIIIIIIIII4I", 1000000 // fps, len(frame) * fps, 0, 0x10, frames, 0, 1, len(frame),
                       width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"DIB ", 0, 0, 0, 0, 1, fps, 0, frames, len(frame),
                       0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(frame), 0, 0, 0, 0)
    hdrl = lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_items = b""
    index = b""
    offset = 4
    for _ in range(frames):
        item = chunk(b"00db", frame)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(frame))
        movi_items += item
        offset += len(item)
    body = b"AVI " + hdrl + lst(b"movi", movi_items) + chunk(b"idx1", index)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


if __name__ == "__main__":
    folder = sys.argv[1]
    wave(folder + "/tone.wav")
    avi(folder + "/clip.avi")
