#!/usr/bin/env python3
"""Draws the program's pictures, icon and hand cursor into resources/ (run by hand; the
results are committed so a build needs none of this). The pictures are stored as RLE8
bitmaps with exactly the colours drawn (scripts/tools/rle_bitmap.py)."""
import struct, subprocess, pathlib
from rle_bitmap import compress

res = pathlib.Path(__file__).resolve().parents[2] / "resources"
FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"

def magick(*args):
    subprocess.run(["convert", *args], check=True)

# Title picture: "Talvek 95" written upwards, white on black, 39 x 188.
magick("-size", "188x39", "xc:black", "-fill", "white", "-font", FONT, "-pointsize", "27",
       "-gravity", "center", "-annotate", "+0+0", "Talvek 95", "-rotate", "-90",
       "-type", "TrueColor", f"BMP3:{res / 'title.bmp'}")
# Step icons on black: a green tick and a red cross, 25 x 25.
magick("-size", "25x25", "xc:black", "-stroke", "#00C000", "-strokewidth", "4", "-fill", "none",
       "-draw", "polyline 4,13 10,19 21,6", "-type", "TrueColor", f"BMP3:{res / 'tick.bmp'}")
magick("-size", "25x25", "xc:black", "-stroke", "#FF0000", "-strokewidth", "4",
       "-draw", "line 5,5 19,19", "-draw", "line 19,5 5,19", "-type", "TrueColor",
       f"BMP3:{res / 'cross.bmp'}")
for picture in ("title.bmp", "tick.bmp", "cross.bmp"):
    compress(res / picture)
# Program icon: the title's initial on a dark blue tile.
magick("-size", "32x32", "xc:#000080", "-fill", "white", "-font", FONT, "-pointsize", "24",
       "-gravity", "center", "-annotate", "+0+0", "T", "-colors", "16", "-type", "Palette",
       f"BMP3:{res / 'icon32.bmp'}")

def write_icon(bmp_path, ico_path):
    """A 32 x 32, 16-colour icon built from a palette BMP (the format every Windows reads)."""
    data = bmp_path.read_bytes()
    off = struct.unpack_from("<I", data, 10)[0]
    hdr = bytearray(data[14:14 + 40])
    bits = struct.unpack_from("<H", hdr, 14)[0]
    colors = struct.unpack_from("<I", hdr, 32)[0] or (1 << bits)
    palette = data[54:54 + 4 * colors]
    pixels = data[off:]
    if bits == 8:  # pack two palette indices per byte; rows stay 4-byte aligned (16 bytes)
        if colors > 16:
            raise SystemExit("icon needs at most 16 colours, got %d" % colors)
        pixels = bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, 32 * 32, 2))
    elif bits != 4:
        raise SystemExit("icon bitmap must be 4 or 8 bits per pixel, got %d" % bits)
    palette = palette.ljust(64, b"\0")
    struct.pack_into("<IiiHHIIiiII", hdr, 0, 40, 32, 64, 1, 4, 0, 0, 0, 0, 16, 0)
    xor = pixels[: 16 * 32]
    and_mask = bytes(4 * 32)
    image = bytes(hdr) + palette + xor + and_mask
    ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4,
                                                     len(image), 22) + image
    ico_path.write_bytes(ico)

write_icon(res / "icon32.bmp", res / "talvek.ico")
(res / "icon32.bmp").unlink()

# Hand cursor, 32 x 32 monochrome, hot spot on the fingertip.
HAND = [
    "      XX        ",
    "     X..X       ",
    "     X..X       ",
    "     X..X       ",
    "     X..XXX     ",
    "     X..X..XXX  ",
    "  XX X..X..X..XX",
    " X..XX........X.X",
    " X...X..........X",
    "  X.............X",
    "   X............X",
    "   X...........X ",
    "    X..........X ",
    "    X.........X  ",
    "     X........X  ",
    "     XXXXXXXXXX  ",
]
xor_rows, and_rows = [], []
for y in range(32):
    row = HAND[y] if y < len(HAND) else ""
    xb, ab = 0, 0
    for x in range(32):
        c = row[x] if x < len(row) else " "
        xb <<= 1; ab <<= 1
        if c == " ":
            ab |= 1            # transparent
        elif c == ".":
            xb |= 1            # white
    xor_rows.append(struct.pack(">I", xb))
    and_rows.append(struct.pack(">I", ab))
xor = b"".join(reversed(xor_rows)); andm = b"".join(reversed(and_rows))
header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
palette = struct.pack("<II", 0x000000, 0xFFFFFF)
image = header + palette + xor + andm
cur = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 0, 0, 6, 0, len(image), 22) + image
(res / "hand.cur").write_bytes(cur)
print("artwork written to", res)
