#!/usr/bin/env python3
"""Draw quorvane's application icon and write it to res/app.ico.

The picture is a white document page with a folded top-right corner and a few
lines of text, overlapped at the lower right by a blue circular arrow that
turns clockwise, for "turn every word of a file".

Two images are drawn separately, each as crisp pixel art for its own size:
32 x 32 (shapes computed from simple geometry) and 16 x 16 (a hand-placed
pixel map). Both use the standard 16-colour VGA palette at 4 bits per pixel
and are stored as classic DIBs with a 1-bit AND mask that makes everything
outside the shape transparent.

Run from anywhere, with nothing but the Python 3 standard library:

    python3 scripts/make-icon.py

It overwrites res/app.ico at the top of the repository.
"""

import math
import os
import struct

# The standard 16-colour VGA palette as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x00, 0x00, 0x80),  # 1 navy
    (0x00, 0x80, 0x00),  # 2 green
    (0x00, 0x80, 0x80),  # 3 teal
    (0x80, 0x00, 0x00),  # 4 maroon
    (0x80, 0x00, 0x80),  # 5 purple
    (0x80, 0x80, 0x00),  # 6 olive
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0x00, 0x00, 0xFF),  # 9 blue
    (0x00, 0xFF, 0x00),  # 10 lime
    (0x00, 0xFF, 0xFF),  # 11 aqua
    (0xFF, 0x00, 0x00),  # 12 red
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0xFF, 0xFF, 0x00),  # 14 yellow
    (0xFF, 0xFF, 0xFF),  # 15 white
]

BLACK, NAVY, SILVER, GREY, BLUE, WHITE = 0, 1, 7, 8, 9, 15
CLEAR = None  # transparent pixel

# Letters used in the hand-placed pixel maps.
KEY = {
    ".": CLEAR,
    "K": BLACK,
    "N": NAVY,
    "S": SILVER,
    "G": GREY,
    "B": BLUE,
    "W": WHITE,
}


def blank(size):
    return [[CLEAR] * size for _ in range(size)]


def from_map(rows):
    size = len(rows)
    assert all(len(r) == size for r in rows), "pixel map must be square"
    return [[KEY[c] for c in r] for r in rows]


def draw_page(img, left, top, right, bottom, fold):
    """A page outlined in black with its top-right corner folded over."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            # Cut off the corner above the fold diagonal.
            if x - (right - fold) > y - top:
                continue
            edge = x in (left, right) or y in (top, bottom)
            diagonal = x - (right - fold) == y - top
            img[y][x] = BLACK if edge or diagonal else WHITE
    # The flap: a triangle below the diagonal, inside the corner square.
    fx, fy = right - fold, top + fold
    for y in range(top + 1, fy + 1):
        for x in range(fx, right + 1):
            if x - fx <= y - top:
                if y == fy or x == fx or x - fx == y - top:
                    img[y][x] = BLACK
                else:
                    img[y][x] = SILVER if x - fx < y - top - 1 else GREY


def draw_lines(img, x0, rows, lengths, colour):
    for y, n in zip(rows, lengths):
        for x in range(x0, x0 + n):
            img[y][x] = colour


def arrow_pixels(cx, cy, r_out, r_in, head_half):
    """Pixels of a circular arrow turning clockwise around (cx, cy).

    The band runs three quarters of the way round, from 3 o'clock through
    6 and 9 o'clock to 12 o'clock, where a triangular head points right,
    on round the circle. The ends sit on the axes so every edge is crisp.
    """
    inside = set()
    mid = cy - (r_out + r_in) / 2  # centre line of the band at the top
    span = int(math.ceil(cx + r_out + head_half))
    for y in range(span):
        for x in range(span):
            px, py = x + 0.5, y + 0.5
            r = math.hypot(px - cx, py - cy)
            top_right = px > cx and py < cy
            if r_in <= r <= r_out and not top_right:
                inside.add((x, y))
            elif px > cx and abs(py - mid) + (px - cx) <= head_half:
                inside.add((x, y))
    return inside


def draw_outlined(img, pixels, fill, outline):
    """Fill pixels, then ring them with a one-pixel outline."""
    size = len(img)
    for (x, y) in pixels:
        if 0 <= x < size and 0 <= y < size:
            img[y][x] = fill
    for y in range(size):
        for x in range(size):
            if (x, y) in pixels:
                continue
            if any((x + dx, y + dy) in pixels
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                img[y][x] = outline


def picture_32():
    """The 32 x 32 picture, laid out from the geometry above."""
    img = blank(32)
    draw_page(img, 3, 1, 24, 30, 7)
    draw_lines(img, 6, [6, 9, 12, 15, 18], [9, 12, 7, 10, 5], GREY)
    arrow = arrow_pixels(22, 22, 9.0, 5.2, 6.0)
    draw_outlined(img, arrow, BLUE, NAVY)
    return img


def picture_16():
    """The 16 x 16 picture, placed pixel by pixel for this size.

    K black, W white, S silver, G grey, B blue, N navy, . transparent.
    """
    return from_map([
        "KKKKKKK.........",
        "KWWWWWKK........",
        "KWWWWWKGK.N.....",
        "KWGGGWKSGNBN....",
        "KWWWWWKKNNBBN...",
        "KWGGGWNNBBBBBN..",
        "KWWWWNBBBBBBBN..",
        "KWGGWNBBWWBBN...",
        "KWWWNBBWWWB.....",
        "KWGGNBBWWWK..NN.",
        "KWWWNBBWWWK..BBN",
        "KWGGNBBWWWK..BBN",
        "KWWWWNBBWWK.BBN.",
        "KWWWWNBBBBBBBBN.",
        "KWWWWWNNBBBBNN..",
        "KKKKKKKKNNNN....",
    ])


def dib(img):
    """BITMAPINFOHEADER, palette, 4-bpp XOR bitmap and 1-bpp AND mask."""
    size = len(img)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_bytes = bytearray()
    and_bytes = bytearray()
    for y in reversed(range(size)):  # bottom-up
        row = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x in range(size):
            c = img[y][x]
            if c is None:
                mask[x // 8] |= 0x80 >> (x % 8)
                c = 0
            row[x // 2] |= c << (4 if x % 2 == 0 else 0)
        xor_bytes += row
        and_bytes += mask
    header = struct.pack(
        "<IiiHHIIiiII",
        40,              # biSize
        size,            # biWidth
        size * 2,        # biHeight: XOR bitmap plus AND mask
        1,               # biPlanes
        4,               # biBitCount
        0,               # biCompression: BI_RGB
        len(xor_bytes) + len(and_bytes),  # biSizeImage
        0, 0,            # pixels per metre
        16,              # biClrUsed
        0,               # biClrImportant
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor_bytes) + bytes(and_bytes)


def ico(images):
    count = len(images)
    blobs = [dib(img) for img in images]
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    for img, blob in zip(images, blobs):
        size = len(img)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0,
                           1, 4, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "res", "app.ico")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = ico([picture_32(), picture_16()])
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (path, len(data)))


if __name__ == "__main__":
    main()
