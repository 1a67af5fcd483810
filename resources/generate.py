#!/usr/bin/env python3
"""Makes the plug-in's binary resources from their text sources in this folder.

cursors/NAME.txt -> cursors/NAME.cur: 32 x 32 monochrome cursors ('#' black, 'o' white,
'.' transparent) with the hot spot given in the source.
icons/NAME.txt -> icons/NAME-light-theme.png (dark ink) and icons/NAME-dark-theme.png
(light ink): 23 x 23 RGBA images on transparent.

Run without arguments to write the files; with --check to verify that the files in the folder
are what the sources make (exit status 1 and the stale names otherwise).
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DARK_INK = (0x26, 0x26, 0x26)
LIGHT_INK = (0xE6, 0xE6, 0xE6)


def read_rows(path):
    """The picture rows and the settings lines of a source, comments left out."""
    rows, settings = [], {}
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.rstrip("\n")
            if not line or line.startswith("# "):  # pictures have no blanks
                continue
            if line.startswith("hotspot "):
                settings["hotspot"] = tuple(int(v) for v in line.split()[1:3])
                continue
            rows.append(line)
    return rows, settings


def check_picture(path, rows, size, alphabet):
    if len(rows) != size or any(len(row) != size for row in rows):
        sys.exit(f"{path}: the picture must be {size} x {size}")
    if set("".join(rows)) - set(alphabet):
        sys.exit(f"{path}: only the characters {alphabet!r} are allowed")


def monochrome_cursor(path):
    rows, settings = read_rows(path)
    check_picture(path, rows, 32, "#o.")
    hot_x, hot_y = settings.get("hotspot", (0, 0))
    if not (0 <= hot_x < 32 and 0 <= hot_y < 32):
        sys.exit(f"{path}: the hot spot must lie in the picture")

    def mask(is_set):
        # 1 bit a pixel, rows bottom to top, each row 4 bytes.
        data = bytearray()
        for row in reversed(rows):
            bits = 0
            for pixel in row:
                bits = (bits << 1) | (1 if is_set(pixel) else 0)
            data += bits.to_bytes(4, "big")
        return bytes(data)

    xor_mask = mask(lambda p: p == "o")  # colour 1 (white) where drawn white
    and_mask = mask(lambda p: p == ".")  # the screen shows through where transparent
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor_mask) + len(and_mask),
                         0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def png(rows, ink):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    size = len(rows)
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(ink + (255,)) if pixel == "#" else bytes(4)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def outputs():
    """Every generated file with the bytes its source makes."""
    made = {}
    cursors = os.path.join(HERE, "cursors")
    for name in sorted(os.listdir(cursors)):
        if name.endswith(".txt"):
            source = os.path.join(cursors, name)
            made[source[:-4] + ".cur"] = monochrome_cursor(source)
    icons = os.path.join(HERE, "icons")
    for name in sorted(os.listdir(icons)):
        if name.endswith(".txt"):
            source = os.path.join(icons, name)
            rows, _ = read_rows(source)
            check_picture(source, rows, 23, "#.")
            made[source[:-4] + "-light-theme.png"] = png(rows, DARK_INK)
            made[source[:-4] + "-dark-theme.png"] = png(rows, LIGHT_INK)
    return made


def main():
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        sys.exit("usage: generate.py [--check]")
    stale = []
    for path, data in outputs().items():
        if check:
            try:
                with open(path, "rb") as existing:
                    if existing.read() == data:
                        continue
            except FileNotFoundError:
                pass
            stale.append(os.path.relpath(path, HERE))
        else:
            with open(path, "wb") as out:
                out.write(data)
    if stale:
        print("out of date (run resources/generate.py): " + ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
