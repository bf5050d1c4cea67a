#!/usr/bin/python3
"""Writes HandCursor.cur: the URL label's 32 x 32 monochrome hand cursor, hot spot at the tip of the
index finger (6, 0). '#' is black, 'o' white, anything else transparent.
Usage: /usr/bin/python3 make_hand_cursor.py [output.cur] [preview.png]"""
import struct
import sys

HAND = [
    ".....###",
    "....#ooo#",
    "....#ooo#",
    "....#ooo#",
    "....#ooo#",
    "....#ooo###",
    "....#ooo#oo###",
    "....#ooo#oo#oo##",
    "....#ooo#oo#oo#o##",
    ".##.#ooo#oo#oo#oo#",
    "#oo##ooooooooooooo#",
    "#ooo#ooooooooooooo#",
    ".#oo#ooooooooooooo#",
    ".#oooooooooooooooo#",
    "..#ooooooooooooooo#",
    "..#oooooooooooooo#",
    "...#ooooooooooooo#",
    "...#oooooooooooo#",
    "....#ooooooooooo#",
    "....#ooooooooooo#",
    ".....#ooooooooo#",
    ".....#ooooooooo#",
    ".....###########",
]
SIZE = 32
HOT_SPOT = (6, 0)


def masks():
    """Rows of (xor, and) bits, top row first: black = 0/0, white = 1/0, transparent = 0/1."""
    rows = []
    for y in range(SIZE):
        line = HAND[y] if y < len(HAND) else ""
        xor_bits, and_bits = [], []
        for x in range(SIZE):
            c = line[x] if x < len(line) else "."
            xor_bits.append(1 if c == "o" else 0)
            and_bits.append(0 if c in "#o" else 1)
        rows.append((xor_bits, and_bits))
    return rows


def pack(bits):
    out = bytearray()
    for i in range(0, len(bits), 8):
        byte = 0
        for b in bits[i:i + 8]:
            byte = (byte << 1) | b
        out.append(byte)
    return bytes(out)  # 32 pixels = 4 bytes, already a multiple of 4


def cursor_bytes():
    rows = masks()
    # Bitmaps are stored bottom-up; the height counts the XOR and the AND mask together.
    xor_mask = b"".join(pack(r[0]) for r in reversed(rows))
    and_mask = b"".join(pack(r[1]) for r in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "HandCursor.cur"
    with open(out, "wb") as f:
        f.write(cursor_bytes())
    if len(sys.argv) > 2:
        from PIL import Image
        img = Image.new("RGB", (SIZE, SIZE), (0, 128, 128))
        for y, (xor_bits, and_bits) in enumerate(masks()):
            for x in range(SIZE):
                if not and_bits[x]:
                    img.putpixel((x, y), (255, 255, 255) if xor_bits[x] else (0, 0, 0))
        img.putpixel(HOT_SPOT, (255, 0, 0))
        img.resize((SIZE * 10, SIZE * 10), Image.NEAREST).save(sys.argv[2])


if __name__ == "__main__":
    main()
