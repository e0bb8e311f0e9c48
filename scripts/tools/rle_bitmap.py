#!/usr/bin/env python3
"""Stores pictures as run-length encoded 8-bit bitmaps (BI_RLE8), a form every Windows from
Windows 95 on loads with LoadImage/LoadBitmap. The colours stay exactly as drawn: the palette
holds each colour of the picture once, so a picture may have at most 256 colours.

As a program: rewrites the given uncompressed BMP files (1, 4, 8 or 24 bits) in place."""
import struct, sys, pathlib

BI_RGB, BI_RLE8 = 0, 1


def read_bmp(path):
    """Width, height and the colours (r, g, b) of an uncompressed BMP, bottom row first."""
    data = pathlib.Path(path).read_bytes()
    off = struct.unpack_from("<I", data, 10)[0]
    size, w, h, _, bits, comp = struct.unpack_from("<IiiHHI", data, 14)
    if comp != BI_RGB or h <= 0:
        raise SystemExit("%s: only bottom-up uncompressed bitmaps are read" % path)
    colours = struct.unpack_from("<I", data, 46)[0] or (1 << bits if bits <= 8 else 0)
    table = [tuple(data[14 + size + 4 * i + k] for k in (2, 1, 0)) for i in range(colours)]
    stride = (w * bits + 31) // 32 * 4
    rows = []
    for y in range(h):
        line = data[off + y * stride: off + (y + 1) * stride]
        if bits == 24:
            rows.append([(line[3 * x + 2], line[3 * x + 1], line[3 * x]) for x in range(w)])
        else:
            per_byte = 8 // bits
            mask = (1 << bits) - 1
            rows.append([table[(line[x // per_byte] >> (8 - bits * (x % per_byte + 1))) & mask]
                         for x in range(w)])
    return w, h, rows


def encode_row(row):
    """One row in RLE8: runs of a colour as (count, index), other stretches of three or more
    pixels in absolute mode (0, count, indices, padded to a word), then the end of the line."""
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 2:
            out += bytes((run, row[i]))
            i += run
            continue
        # Collect pixels up to the next run of three equal ones.
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        literal = row[i:j]
        if len(literal) >= 3:
            out += bytes((0, len(literal))) + bytes(literal)
            if len(literal) % 2:
                out.append(0)
        else:
            for p in literal:
                out += bytes((1, p))
        i = j
    return out


def write_rle8(path, w, h, rows):
    palette = sorted({p for row in rows for p in row})
    if len(palette) > 256:
        raise SystemExit("%s: %d colours, at most 256 fit" % (path, len(palette)))
    index = {p: i for i, p in enumerate(palette)}
    bits = bytearray()
    for y, row in enumerate(rows):
        bits += encode_row([index[p] for p in row])
        bits += b"\0\1" if y == h - 1 else b"\0\0"  # end of bitmap after the last line
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    off = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", off + len(bits), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, BI_RLE8, len(bits), 2835, 2835,
                       len(palette), len(palette))
    pathlib.Path(path).write_bytes(header + info + table + bits)


def compress(path):
    """Rewrites an uncompressed BMP as RLE8 with the same colours."""
    write_rle8(path, *read_bmp(path))


if __name__ == "__main__":
    for name in sys.argv[1:]:
        compress(name)
