#!/usr/bin/env python3
"""Writes Tallyburn's icon: one 32 x 32 image in 16 colours (4 bits per pixel), as an .ico file.

The picture: a programmed chip with a lit green segment digit on it. It is drawn below as text,
one character per pixel; "." is transparent.
"""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255),
    (255, 255, 255),
]
INDEX = {"k": 0, "G": 2, "s": 7, "g": 8, "L": 10, "w": 15, ".": 0}

PICTURE = [
    "................................",
    "................................",
    "......s.s.s.s.s.s.s.s.s.s.......",
    "......s.s.s.s.s.s.s.s.s.s.......",
    "......s.s.s.s.s.s.s.s.s.s.......",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "....kgggggggggggggggggggggwk....",
    "sss.kgkkkkkkkkkkkkkkkkkkkgwk.sss",
    "....kgkkkkkkLLLLLLLLkkkkkgwk....",
    "sss.kgkkkkkGkLLLLLLkGkkkkgwk.sss",
    "....kgkkkkkLGkkkkkkGLkkkkgwk....",
    "sss.kgkkkkkLLkkkkkkLLkkkkgwk.sss",
    "....kgkkkkkLLkkkkkkLLkkkkgwk....",
    "sss.kgkkkkkLLkkkkkkLLkkkkgwk.sss",
    "....kgkkkkkLGkkkkkkGLkkkkgwk....",
    "sss.kgkkkkkGkGGGGGGkGkkkkgwk.sss",
    "....kgkkkkkkGGGGGGGGkkkkkgwk....",
    "sss.kgkkkkkGkGGGGGGkGkkkkgwk.sss",
    "....kgkkkkkGGkkkkkkLLkkkkgwk....",
    "sss.kgkkkkkGGkkkkkkLLkkkkgwk.sss",
    "....kgkkkkkGGkkkkkkLLkkkkgwk....",
    "sss.kgkkkkkGGkkkkkkLLkkkkgwk.sss",
    "....kgkkkkkGGkkkkkkLLkkkkgwk....",
    "sss.kgkkkkkGkLLLLLLkLkkkkgwk.sss",
    "....kgkkkkkkLLLLLLLLkkkkkgwk....",
    "sss.kgkkkkkkkkkkkkkkkkkkkgwk.sss",
    "....kwwwwwwwwwwwwwwwwwwwwwwk....",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "......s.s.s.s.s.s.s.s.s.s.......",
    "......s.s.s.s.s.s.s.s.s.s.......",
    "......s.s.s.s.s.s.s.s.s.s.......",
    "................................",
]


def build():
    assert len(PICTURE) == 32 and all(len(row) == 32 for row in PICTURE)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    colour_rows = []
    mask_rows = []
    for row in reversed(PICTURE):  # bitmaps are stored bottom-up
        nibbles = [INDEX[c] for c in row]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 32, 2)))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == "." else 0)
        mask_rows.append(struct.pack(">I", bits))
    image = header + palette + b"".join(colour_rows) + b"".join(mask_rows)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 22)
    return directory + image


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "Tallyburn.ico"
    with open(path, "wb") as out:
        out.write(build())


if __name__ == "__main__":
    main()
