#!/usr/bin/env python3
"""Writes the tree control's two item images as 16 x 16, 16-colour bitmaps.

FolderOpen.bmp (resource 143, image 0: the selected item) and
FolderClosed.bmp (resource 144, image 1: the other items). The colour
RGB(128, 0, 0) of '.' pixels is the transparent one. Run it from this folder
after changing a picture.
"""
import struct

# The 16 colours of the bitmap, by the letter that stands for them.
PALETTE = [
    ('.', (128, 0, 0)),  # transparent
    ('K', (0, 0, 0)),
    ('O', (128, 128, 0)),
    ('Y', (255, 255, 0)),
    ('W', (255, 255, 255)),
    ('S', (192, 192, 192)),
]
PALETTE += [('?', (0, 0, 0))] * (16 - len(PALETTE))

CLOSED = [
    "................",
    "................",
    "..OOOOO.........",
    ".OYYYYYO........",
    "OKKKKKKKKKKKKKK.",
    "OWYYYYYYYYYYYYK.",
    "OWYYYYYYYYYYYYK.",
    "OWYYYYYYYYYYYYK.",
    "OWYYYYYYYYYYYYK.",
    "OWYYYYYYYYYYYYK.",
    "OWYYYYYYYYYYYYK.",
    "OWYYYYYYYYYYYYK.",
    "OYYYYYYYYYYYYYK.",
    "OKKKKKKKKKKKKKK.",
    "................",
    "................",
]

OPEN = [
    "................",
    "................",
    "..OOOOO.........",
    ".OYYYYYO........",
    "OYYYYYYOOOOOOO..",
    "OYWWWWWWWWWWWO..",
    "OYWKKKKKKKKKKKKK",
    "OYKYYYYYYYYYYYYK",
    "OWKYYYYYYYYYYYK.",
    "OKYYYYYYYYYYYYK.",
    "OKYYYYYYYYYYYK..",
    "KYYYYYYYYYYYYK..",
    "KYYYYYYYYYYYK...",
    "KKKKKKKKKKKKK...",
    "................",
    "................",
]


def write_bitmap(path, rows):
    index = {letter: i for i, (letter, _) in enumerate(PALETTE) if letter != '?'}
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        assert len(row) == 16
        for x in range(0, 16, 2):
            pixels.append(index[row[x]] << 4 | index[row[x + 1]])
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for _, (r, g, b) in PALETTE)
    header_size = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, 16, 16, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    file_header = struct.pack('<2sIHHI', b'BM', header_size + len(pixels), 0, 0, header_size)
    with open(path, 'wb') as out:
        out.write(file_header + info + palette + bytes(pixels))


if __name__ == '__main__':
    write_bitmap('FolderOpen.bmp', OPEN)
    write_bitmap('FolderClosed.bmp', CLOSED)
