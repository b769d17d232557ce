#!/usr/bin/env python3
"""Writes the seeds of the player fuzzer (corpus/player/) in the record
format that player_fuzz.cpp reads: a tag byte per record, numbers
little-endian, texts a length byte and the bytes, long texts a 16-bit
length; the last byte of a seed is the mode (low bits 7: a raw container).
The objects sit where the fixed tour clicks (5,5 40,12 120,60 300,200)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "player")

(PROJECT, PAGE, PAGE_SCRIPTS, TEXT, EDIT, BUTTON, PICTURE, SHAPE, SOUND, VIDEO, FLASH,
 BROWSER, TIMER, PLUGIN, FUNCTION, EMBEDDED, FONT_FILE) = range(17)


def b(n): return bytes([n & 0xFF])
def word(n): return struct.pack("<h", n)
def text(s): s = s.encode("latin-1") if isinstance(s, str) else s; return b(len(s)) + s
def long(s): s = s.encode("latin-1") if isinstance(s, str) else s; return struct.pack("<H", len(s)) + s
def box(l, t, w, h): return word(l) + word(t) + word(w) + word(h)
def script(*lines): return "\r\n".join(lines)


def project(title, bits=0, error="", hint="", minimize="", restore=""):
    return (b(PROJECT) + text(title) + b(bits) + word(500) + word(2500) + text("800x600 1 Colors 60 Hertz")
            + long(error) + long(hint) + long(minimize) + long(restore))


def page(name, caption="", w=640, h=480, bits=0x02, frame=1, draw=0, transition=0, background=b""):
    return (b(PAGE) + text(name) + text(caption) + word(w) + word(h) + b(255) + b(0) + b(0) + b(0) + b(0)
            + b(bits) + b(frame) + b(draw) + b(transition) + word(200) + long(background))


def page_scripts(show="", hide="", resize="", wheel=""):
    return b(PAGE_SCRIPTS) + long(show) + long(hide) + long(resize) + long(wheel)


def visual(bounds, hint="", down="", up="", enter="", leave=""):
    return box(*bounds) + b(0) + text(hint) + long(down) + long(up) + long(enter) + long(leave)


def label(name, bounds, caption, up="", bits=0, hint=""):
    return b(TEXT) + text(name) + b(bits) + visual(bounds, hint, up=up) + b(10) + b(1) + b(0) + long(caption)


def edit(name, bounds, value="", change=""):
    return b(EDIT) + text(name) + b(0) + visual(bounds) + b(0) + b(0) + word(20) + b(0) + text(value) + long(change)


def button(name, bounds, caption, up=""):
    return b(BUTTON) + text(name) + b(0) + visual(bounds, up=up) + b(0) + text(caption)


def picture(name, bounds, file_name, image, bits=0):
    return b(PICTURE) + text(name) + b(bits) + visual(bounds) + text(file_name) + long(image)


def shape(name, bounds, form, points=(), up="", enter=""):
    out = b(SHAPE) + text(name) + b(0) + visual(bounds, up=up, enter=enter) + b(form) + b(1) + b(1) + b(len(points))
    for x, y in points:
        out += word(x) + word(y)
    return out


def sound(name, file_name, start="", finish="", bits=0):
    return b(SOUND) + text(name) + b(bits) + word(5000) + b(1) + text(file_name) + long(start) + long(finish)


def video(name, bounds, path, finish=""):
    return b(VIDEO) + text(name) + b(0) + box(*bounds) + b(1) + text(path) + long("") + long(finish)


def flash(name, bounds, movie):
    return b(FLASH) + text(name) + b(0) + box(*bounds) + text(movie) + long("")


def browser(name, bounds, path):
    return b(BROWSER) + text(name) + b(0) + box(*bounds) + text(path) + long("")


def timer(name, interval, body, enabled=True, loops=0):
    return b(TIMER) + text(name) + b(0 if enabled else 1) + word(interval) + b(loops) + long(body)


def plugin(name, bounds, path):
    return b(PLUGIN) + text(name) + b(0) + box(*bounds) + text(path)


def function(name, body, slot=0):
    return b(FUNCTION) + text(name) + b(slot) + long(body)


def embedded(name, data):
    return b(EMBEDDED) + text(name) + long(data)


def read(*parts):
    with open(os.path.join(HERE, "corpus", *parts), "rb") as f:
        return f.read()


def seeds():
    yield "hello", (project("Hello") + page("Main", "Hello")
                    + label("title", (0, 0, 200, 30), "Hello", up=script('10("title","").12("Clicked")'))
                    + button("next", (100, 50, 80, 25), "Next", up=script('15("Second")'))
                    + page("Second", "Two") + label("back", (0, 0, 100, 30), "Back", up="11")
                    + b(0x00))
    yield "every_kind", (project("Kinds", error=script('#errors=#errors+1'))
                         + page("Main") + page_scripts(show=script('#shown=#shown+1', '10("clock","").3(1)'))
                         + label("t", (0, 0, 60, 20), "text")
                         + edit("e", (30, 5, 80, 20), "abc", change=script('$e2=$e'))
                         + button("bt", (100, 50, 60, 25), "Go", up=script('10("e","").12("set")'))
                         + picture("p", (280, 180, 40, 40), "p.bmp", read("pictures", "rgb24.bmp"))
                         + shape("s", (500, 350, 200, 100), 2, up=script('10("s","").45("00FF00")'))
                         + sound("snd", "C:\\none.wav", finish="#played=1")
                         + video("v", (400, 0, 100, 80), "C:\\none.avi")
                         + flash("f", (0, 300, 100, 80), "movie.swf")
                         + browser("w", (150, 300, 100, 80), "about:blank")
                         + timer("clock", 100, script('#ticks=#ticks+1'), enabled=False)
                         + plugin("pl", (250, 300, 50, 50), "plug.dll")
                         + function("f1", script('#calls=#calls+1'))
                         + embedded("notes.txt", "one\r\ntwo")
                         + b(0x00))
    yield "timers_and_threads", (page("Main") + page_scripts(show="110()")
                                 + timer("fast", 10, script('#n=#n+1', '0(#n>20)', '10("fast","").3(0)', '1'))
                                 + function("f1", "#a=1") + function("f2", "#b=1")
                                 + function("worker", script('#w=1', '10("lbl","").12("from thread")', '#w=2'), slot=1)
                                 + label("lbl", (0, 0, 100, 20), "waiting")
                                 + b(0x08))  # with the splash
    yield "pictures", (page("Main", background=read("pictures", "rgb.png"), draw=2)
                       + picture("bmp", (0, 0, 50, 50), "a.bmp", read("pictures", "indexed8.bmp"), bits=0x08)
                       + picture("gif", (100, 40, 50, 50), "a.gif", read("pictures", "two-frames.gif"), bits=0x80)
                       + picture("jpg", (280, 180, 50, 50), "a.jpg", read("pictures", "red.jpg"), bits=0x10)
                       + b(0x00))
    yield "modal_and_navigation", (project("Modal", hint=script('#hints=#hints+1'))
                                   + page("Main") + button("open", (100, 50, 80, 25), "Open", up='99("Dialog")')
                                   + label("ask", (0, 0, 100, 20), "Ask",
                                           up=script('20("Go on?","Q",36)', '0(#_result=6)', '13', '1'), hint="hint")
                                   + page("Dialog", bits=0x08) + page_scripts(show='#modal=1', hide='#modal=0')
                                   + button("close", (10, 10, 80, 25), "Close", up='98("Dialog")')
                                   + b(0x00))
    yield "shapes", (page("Main", "Shapes", w=700, h=500)
                     + shape("poly", (0, 0, 400, 300), 4, [(0, 0), (300, 10), (150, 250)],
                             up=script('10("poly","").7(10,10)'), enter='#in=1')
                     + shape("hot", (250, 150, 100, 100), 7, [(0, 0), (100, 0), (50, 100)], up='#hot=1')
                     + shape("line", (0, 0, 600, 400), 3)
                     + b(0x00))
    yield "huge_page", (page("Main", w=32767, h=32767, bits=0x30)
                        + label("t", (-32768, -32768, 32767, 32767), "far", bits=0x08) + b(0x00))
    yield "raw_hello", read("container", "hello") + b(0x07)
    yield "raw_every_kind", read("container", "every_kind") + b(0x07)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
