#!/usr/bin/env python3
"""Draws the toolkit gallery's bitmaps: flat colours and simple shapes, so
window tests can tell every frame of every control apart by one pixel.

    gallery_artwork.py OUT_DIR

writes OUT_DIR/*.bmp, OUT_DIR/gallery_artwork.rc naming them as BITMAP
resources, and OUT_DIR/gallery_artwork.h with their IDs and the colours the
tests look for. Only the tests use these pictures; no deliverable does.
"""
import os
import struct
import sys

WHITE = (255, 255, 255)  # the toolkit's transparency key

COLOURS = {
    "Backdrop": (46, 52, 64),
    "Band": (59, 66, 82),
    "LatchOff": (120, 20, 20),
    "LatchOn": (40, 200, 60),
    "RockerLeft": (40, 80, 220),
    "RockerMiddle": (100, 100, 110),
    "RockerRight": (230, 140, 30),
    "ToggleOff": (70, 70, 90),
    "ToggleOn": (240, 220, 60),
    "MomentaryOff": (70, 90, 70),
    "MomentaryOn": (80, 230, 230),
    "KnobFace": (90, 94, 110),
    "KnobHandle": (250, 210, 40),
    "SwitchBody": (30, 34, 40),
    "SwitchLever": (220, 220, 230),
    "LedOff": (30, 50, 30),
    "LedGreen": (60, 220, 80),
    "LedYellow": (240, 220, 40),
    "LedRed": (240, 50, 40),
    "DigitOff": (40, 20, 20),
    "DigitOn": (255, 70, 50),
    "MenuPressed": (200, 200, 120),
}
ANIMATION = [(200, 60, 60), (60, 200, 60), (60, 60, 200), (200, 200, 60)]
VIEW = [(40, 40, 40), (100, 100, 100), (160, 160, 160), (220, 220, 220)]
KNOB_STRIP = [(30, 60, 120), (60, 90, 150), (90, 120, 180), (120, 150, 210), (150, 180, 240)]

# Seven segments in a 12 x 20 cell: a top, b upper right, c lower right,
# d bottom, e lower left, f upper left, g middle.
SEGMENTS = {
    "a": (2, 1, 10, 3), "b": (9, 2, 11, 10), "c": (9, 10, 11, 18), "d": (2, 17, 10, 19),
    "e": (1, 10, 3, 18), "f": (1, 2, 3, 10), "g": (2, 9, 10, 11),
}
DIGITS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"]


class Picture:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def fill(self, left, top, right, bottom, colour):
        """Right and bottom exclusive."""
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.pixels[y][x] = colour

    def disc(self, cx, cy, radius, colour):
        for y in range(self.height):
            for x in range(self.width):
                if (x - cx + 0.5) ** 2 + (y - cy + 0.5) ** 2 <= radius * radius:
                    self.pixels[y][x] = colour

    def save(self, path):
        row_size = (self.width * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            data += line + bytes(row_size - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as out:
            out.write(header + info + data)


def strip(width, frame_height, colours):
    picture = Picture(width, frame_height * len(colours), colours[0])
    for i, colour in enumerate(colours):
        picture.fill(0, i * frame_height, width, (i + 1) * frame_height, colour)
    return picture


def pictures():
    c = COLOURS
    background = Picture(360, 230, c["Backdrop"])
    for top in (4, 44, 114):
        background.fill(0, top, 360, top + 2, c["Band"])
    yield 500, "background", background

    yield 501, "latch", strip(40, 20, [c["LatchOff"], c["LatchOn"]])
    yield 502, "rocker", strip(60, 20, [c["RockerLeft"], c["RockerMiddle"], c["RockerRight"]])
    yield 503, "toggle", strip(40, 20, [c["ToggleOff"], c["ToggleOn"]])
    yield 504, "momentary", strip(40, 20, [c["MomentaryOff"], c["MomentaryOn"]])
    yield 505, "animation", strip(30, 30, ANIMATION)
    yield 506, "view", strip(30, 30, VIEW)

    face = Picture(48, 48, c["Backdrop"])
    face.disc(24, 24, 22, c["KnobFace"])
    yield 507, "knob_face", face
    handle = Picture(8, 8, c["KnobHandle"])
    for x, y in ((0, 0), (7, 0), (0, 7), (7, 7)):
        handle.pixels[y][x] = WHITE
    yield 508, "knob_handle", handle

    knob = strip(40, 40, KNOB_STRIP)
    for i in range(len(KNOB_STRIP)):
        # A pointer bar whose length grows with the frame.
        knob.fill(18, i * 40 + 34 - 6 * i, 22, i * 40 + 36, (245, 245, 245))
    yield 509, "knob_strip", knob

    vertical = Picture(20, 90, c["SwitchBody"])
    for i in range(3):
        vertical.fill(3, i * 30 + 3 + i * 8, 17, i * 30 + 11 + i * 8, c["SwitchLever"])
    yield 510, "vertical_switch", vertical
    horizontal = Picture(60, 60, c["SwitchBody"])
    for i in range(3):
        horizontal.fill(3 + i * 20, i * 20 + 3, 17 + i * 20, i * 20 + 17, c["SwitchLever"])
    yield 511, "horizontal_switch", horizontal

    on = Picture(16, 100, c["Backdrop"])
    off = Picture(16, 100, c["Backdrop"])
    for led in range(10):
        top = led * 10 + 1
        colour = c["LedRed"] if led < 2 else c["LedYellow"] if led < 4 else c["LedGreen"]
        on.fill(2, top, 14, top + 8, colour)
        off.fill(2, top, 14, top + 8, c["LedOff"])
    yield 512, "meter_on", on
    yield 513, "meter_off", off

    digits = Picture(12, 200, c["DigitOff"])
    for d, lit in enumerate(DIGITS):
        for name, (left, top, right, bottom) in SEGMENTS.items():
            colour = c["DigitOn"] if name in lit else (60, 30, 30)
            digits.fill(left, d * 20 + top, right, d * 20 + bottom, colour)
    yield 514, "digits", digits

    yield 515, "menu_pressed", Picture(100, 20, c["MenuPressed"])


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rc = ["// The toolkit gallery's bitmaps, written by gallery_artwork.py.", "LANGUAGE 9, 1"]
    header = ["// The toolkit gallery's bitmaps and colours, written by gallery_artwork.py.", "#pragma once", "",
              "#include <windows.h>", ""]
    for number, name, picture in pictures():
        picture.save(os.path.join(out, name + ".bmp"))
        rc.append('%d BITMAP "%s.bmp"' % (number, name))
        camel = "".join(part.capitalize() for part in name.split("_"))
        header.append("constexpr int %sBitmap = %d;" % (camel, number))
    header.append("")
    for name, (r, g, b) in COLOURS.items():
        header.append("constexpr COLORREF %s = RGB(%d, %d, %d);" % (name, r, g, b))
    for title, colours in (("AnimationFrame", ANIMATION), ("ViewFrame", VIEW), ("KnobFrame", KNOB_STRIP)):
        header.append("constexpr COLORREF %s[] = {%s};" % (
            title, ", ".join("RGB(%d, %d, %d)" % colour for colour in colours)))
    with open(os.path.join(out, "gallery_artwork.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")
    with open(os.path.join(out, "gallery_artwork.h"), "w") as f:
        f.write("\n".join(header) + "\n")


if __name__ == "__main__":
    main()
