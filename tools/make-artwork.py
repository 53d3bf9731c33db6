#!/usr/bin/env python3
"""Turns the text artwork in art/*.art into Windows icon and cursor files for the resource scripts.

An .art file holds:
    size W H                 picture size in pixels
    hotspot X Y              (cursors) the pixel that points
    color C #RRGGBB          a one-character colour; "color C none" is transparent
    pixels                   followed by H rows of W colour characters

    make-artwork.py icon   SOURCE.art OUTPUT.ico [SIZE ...]   32-bit icon, scaled to each size
    make-artwork.py cursor SOURCE.art OUTPUT.cur              monochrome cursor (dark or light pixels)
"""
import struct
import sys


def read_art(path):
    size, hotspot, colors, rows = None, (0, 0), {}, []
    with open(path, encoding="ascii") as source:
        lines = [line.rstrip("\n") for line in source]
    in_pixels = False
    for line in lines:
        if in_pixels:
            if line.strip():
                rows.append(line.rstrip())
            continue
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        if words[0] == "size":
            size = (int(words[1]), int(words[2]))
        elif words[0] == "hotspot":
            hotspot = (int(words[1]), int(words[2]))
        elif words[0] == "color":
            colors[words[1]] = None if words[2] == "none" else bytes.fromhex(words[2].lstrip("#"))
        elif words[0] == "pixels":
            in_pixels = True
    width, height = size
    if len(rows) != height or any(len(row) != width for row in rows):
        sys.exit(f"{path}: expected {height} rows of {width} pixels")
    pixels = [[colors[c] for c in row] for row in rows]
    return width, height, hotspot, pixels


def scaled(pixels, width, height, size):
    return [[pixels[y * height // size][x * width // size] for x in range(size)] for y in range(size)]


def and_mask(pixels, size):
    stride = ((size + 31) // 32) * 4
    data = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, rgb in enumerate(row):
            if rgb is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bytes(bits)
    return data


def icon_image(pixels, size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(b"\0\0\0\0" if rgb is None else bytes((rgb[2], rgb[1], rgb[0], 255))
                      for row in reversed(pixels) for rgb in row)
    return header + colour + and_mask(pixels, size)


def cursor_image(pixels, size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = b"\0\0\0\0\xff\xff\xff\0"
    stride = ((size + 31) // 32) * 4
    xor = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, rgb in enumerate(row):
            if rgb is not None and sum(rgb) > 3 * 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(bits)
    return header + palette + xor + and_mask(pixels, size)


def write_container(path, kind, entries):
    """entries: (size, hotspot or None, image bytes)"""
    offset = 6 + 16 * len(entries)
    directory, images = struct.pack("<HHH", 0, kind, len(entries)), b""
    for size, hotspot, image in entries:
        field_a, field_b = hotspot if hotspot else (1, 32)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, field_a, field_b, len(image), offset)
        offset += len(image)
        images += image
    with open(path, "wb") as out:
        out.write(directory + images)


def main(argv):
    if len(argv) < 4 or argv[1] not in ("icon", "cursor"):
        sys.exit(__doc__)
    width, height, hotspot, pixels = read_art(argv[2])
    if argv[1] == "cursor":
        write_container(argv[3], 2, [(width, hotspot, cursor_image(pixels, width))])
    else:
        sizes = [int(s) for s in argv[4:]] or [width]
        write_container(argv[3], 1, [(s, None, icon_image(scaled(pixels, width, height, s), s)) for s in sizes])


if __name__ == "__main__":
    main(sys.argv)
