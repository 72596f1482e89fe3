#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Writes the Windows program's icon: the hand-drawn 32-pixel, 256-colour
image of the given .ico as it is, byte for byte, and beside it one image a
PNG, each drawn at its size from the scalable picture: 32-bit colour with
alpha as Windows reads it from an icon (a bottom-up BGRA bitmap and its
mask), and the 256-pixel one left a PNG, as Windows Vista and later take
it.

    makeico.py OUTPUT.ico HAND_DRAWN.ico PNG...
"""
import struct
import sys
import zlib


def png_pixels(data):
    """(width, height, rows of RGBA bytes) of an 8-bit RGBA PNG, not interlaced."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    position, compressed = 8, b""
    while position < len(data):
        length, kind = struct.unpack_from(">I4s", data, position)
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                raise ValueError("not an 8-bit RGBA PNG without interlacing")
        elif kind == b"IDAT":
            compressed += body
        position += 12 + length
    raw, stride, rows, previous = zlib.decompress(compressed), width * 4, [], bytes(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up, corner = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - corner), 2, corner))[2]
                line[x] = (line[x] + nearest) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def bitmap_image(width, height, rows):
    """The icon image Windows reads: BITMAPINFOHEADER, BGRA rows bottom-up,
    then the AND mask, set where a pixel is wholly transparent."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour, mask = b"", b""
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(rows):
        colour += bytes(b for x in range(width) for b in (row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]))
        bits = bytearray(mask_stride)
        for x in range(width):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main(output, hand_drawn, pngs):
    ico = open(hand_drawn, "rb").read()
    if struct.unpack_from("<HHH", ico, 0) != (0, 1, 1):
        raise ValueError(f"{hand_drawn} does not hold one icon")
    entry = struct.unpack_from("<BBBBHHII", ico, 6)
    images = [(32, entry[:6], ico[entry[7]:entry[7] + entry[6]])]
    for path in pngs:
        data = open(path, "rb").read()
        width, height, rows = png_pixels(data)
        image = data if width >= 256 else bitmap_image(width, height, rows)
        images.append((width, (width % 256, height % 256, 0, 0, 1, 32), image))
    images.sort(key=lambda image: image[0])
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset, body = 6 + 16 * len(images), b""
    for _, fields, image in images:
        directory += struct.pack("<BBBBHHII", *fields, len(image), offset + len(body))
        body += image
    with open(output, "wb") as file:
        file.write(directory + body)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
