#!/usr/bin/env python3
"""Turns a picture source (palette + character grid) into a .bmp or .ico.

A source file reads, line by line ('#' starts a comment outside grids):

    output bmp 4              bmp with 4, 8 or 24 bits per pixel, or: output ico
    cell 16 18                width and height of the images that follow
    palette                   one colour per line until 'end':
    K 000000                    a character and RRGGBB, or 'transparent' (ico)
    end
    image name                then 'cell height' rows of 'cell width' characters
    derive disabled other.txt take the images of another source, greyed out

A bmp holds its images side by side in one strip, in the order given; an
ico holds each image as one of its sizes. Errors name the file and line.
"""

import struct
import sys
from dataclasses import dataclass, field
from pathlib import Path

TRANSPARENT = None


class SourceError(Exception):
    pass


@dataclass
class Image:
    name: str
    width: int
    height: int
    pixels: list  # rows of (r, g, b) tuples or TRANSPARENT


@dataclass
class Picture:
    kind: str = ""
    bits: int = 0
    images: list = field(default_factory=list)


def _parse_colour(text, where):
    if text == "transparent":
        return TRANSPARENT
    if len(text) != 6:
        raise SourceError(f"{where}: colour must be RRGGBB or 'transparent', not '{text}'")
    try:
        value = int(text, 16)
    except ValueError:
        raise SourceError(f"{where}: colour must be RRGGBB, not '{text}'") from None
    return (value >> 16, (value >> 8) & 0xFF, value & 0xFF)


def _greyed(colour, key):
    """The disabled look: colours become a light grey of their brightness,
    the transparent key stays, so the button face still shows through."""
    if colour is TRANSPARENT or colour == key:
        return colour
    r, g, b = colour
    brightness = (299 * r + 587 * g + 114 * b) // 1000
    grey = 128 + brightness * 115 // 255
    if (grey, grey, grey) == key:
        grey += 1  # a picture pixel must never turn transparent
    return (grey, grey, grey)


def parse_source(path):
    path = Path(path)
    lines = path.read_text(encoding="utf-8").splitlines()
    picture = Picture()
    palette = {}
    cell = None
    index = 0

    def where(line_index):
        return f"{path}:{line_index + 1}"

    while index < len(lines):
        words = lines[index].split("#", 1)[0].split()
        here = index
        index += 1
        if not words:
            continue
        keyword, arguments = words[0], words[1:]
        if keyword == "output":
            if arguments[:1] == ["ico"] and len(arguments) == 1:
                picture.kind, picture.bits = "ico", 32
            elif arguments[:1] == ["bmp"] and len(arguments) == 2 and arguments[1] in ("4", "8", "24"):
                picture.kind, picture.bits = "bmp", int(arguments[1])
            else:
                raise SourceError(f"{where(here)}: output must be 'ico' or 'bmp 4|8|24'")
        elif keyword == "cell":
            if len(arguments) != 2 or not all(a.isdigit() and int(a) > 0 for a in arguments):
                raise SourceError(f"{where(here)}: cell needs a width and a height")
            cell = (int(arguments[0]), int(arguments[1]))
        elif keyword == "palette":
            while True:
                if index >= len(lines):
                    raise SourceError(f"{where(here)}: palette without 'end'")
                entry = lines[index].split("#", 1)[0].split()
                index += 1
                if not entry:
                    continue
                if entry == ["end"]:
                    break
                if len(entry) != 2 or len(entry[0]) != 1:
                    raise SourceError(f"{where(index - 1)}: palette line must be 'C RRGGBB'")
                if entry[0] in palette:
                    raise SourceError(f"{where(index - 1)}: '{entry[0]}' is in the palette twice")
                palette[entry[0]] = _parse_colour(entry[1], where(index - 1))
        elif keyword == "image":
            if cell is None:
                raise SourceError(f"{where(here)}: image before 'cell'")
            width, height = cell
            rows = []
            for _ in range(height):
                if index >= len(lines):
                    raise SourceError(f"{where(here)}: image '{' '.join(arguments)}' has too few rows")
                row = lines[index].rstrip("\n")
                if len(row) != width:
                    raise SourceError(f"{where(index)}: row has {len(row)} characters, not {width}")
                unknown = sorted(set(row) - palette.keys())
                if unknown:
                    raise SourceError(f"{where(index)}: '{unknown[0]}' is not in the palette")
                rows.append([palette[c] for c in row])
                index += 1
            picture.images.append(Image(" ".join(arguments), width, height, rows))
        elif keyword == "derive":
            if len(arguments) != 2 or arguments[0] != "disabled":
                raise SourceError(f"{where(here)}: derive must be 'derive disabled other.txt'")
            original = parse_source(path.parent / arguments[1])
            key = original.images[0].pixels[0][0] if original.images else None
            for image in original.images:
                pixels = [[_greyed(c, key) for c in row] for row in image.pixels]
                picture.images.append(Image(image.name + " disabled", image.width, image.height, pixels))
        else:
            raise SourceError(f"{where(here)}: unknown keyword '{keyword}'")

    if not picture.kind:
        raise SourceError(f"{path}: no 'output' line")
    if not picture.images:
        raise SourceError(f"{path}: no images")
    return picture


def _strip(picture):
    height = picture.images[0].height
    if any(image.height != height for image in picture.images):
        raise SourceError("a bmp strip needs images of one height")
    rows = [[] for _ in range(height)]
    for image in picture.images:
        for y in range(height):
            rows[y].extend(image.pixels[y])
    if any(c is TRANSPARENT for row in rows for c in row):
        raise SourceError("a bmp has no transparency; use a key colour")
    return rows


def _row_bytes(bits, width):
    return (bits * width + 31) // 32 * 4


def encode_bmp(picture):
    rows = _strip(picture)
    width, height, bits = len(rows[0]), len(rows), picture.bits
    colours = []
    if bits <= 8:
        for row in rows:
            for c in row:
                if c not in colours:
                    colours.append(c)
        if len(colours) > 1 << bits:
            raise SourceError(f"{len(colours)} colours do not fit in {bits} bits")
    lookup = {c: i for i, c in enumerate(colours)}
    stride = _row_bytes(bits, width)
    data = bytearray()
    for row in reversed(rows):  # a positive height means bottom-up rows
        line = bytearray()
        if bits == 24:
            for r, g, b in row:
                line += bytes((b, g, r))
        elif bits == 8:
            line += bytes(lookup[c] for c in row)
        else:
            for x in range(0, width, 2):
                high = lookup[row[x]]
                low = lookup[row[x + 1]] if x + 1 < width else 0
                line.append(high << 4 | low)
        data += line + bytes(stride - len(line))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(colours), 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def _icon_image(image):
    xor = bytearray()
    mask = bytearray()
    mask_stride = _row_bytes(1, image.width)
    for row in reversed(image.pixels):
        bits = 0
        line = bytearray()
        for x, c in enumerate(row):
            if c is TRANSPARENT:
                xor += bytes(4)
                bits |= 1 << (7 - x % 8)
            else:
                r, g, b = c
                xor += bytes((b, g, r, 255))
            if x % 8 == 7 or x == len(row) - 1:
                line.append(bits)
                bits = 0
        mask += line + bytes(mask_stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, image.width, image.height * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def encode_ico(picture):
    if any(image.width > 256 or image.height > 256 for image in picture.images):
        raise SourceError("icon images are at most 256 pixels")
    bodies = [_icon_image(image) for image in picture.images]
    directory = struct.pack("<HHH", 0, 1, len(bodies))
    offset = len(directory) + 16 * len(bodies)
    entries = b""
    for image, body in zip(picture.images, bodies):
        entries += struct.pack("<BBBBHHII", image.width % 256, image.height % 256, 0, 0, 1, 32,
                               len(body), offset)
        offset += len(body)
    return directory + entries + b"".join(bodies)


def convert(source, target):
    picture = parse_source(source)
    data = encode_ico(picture) if picture.kind == "ico" else encode_bmp(picture)
    if Path(target).suffix.lower() != "." + picture.kind:
        raise SourceError(f"{source} makes a .{picture.kind}, not {target}")
    Path(target).write_bytes(data)


def main(arguments):
    if len(arguments) != 2:
        print("usage: picture_convert.py SOURCE.txt TARGET.bmp|TARGET.ico", file=sys.stderr)
        return 2
    try:
        convert(arguments[0], arguments[1])
    except (SourceError, OSError) as error:
        print(f"picture_convert: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
