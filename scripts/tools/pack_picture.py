#!/usr/bin/env python3
"""Packs a .bmp picture for talvek.exe's resources: the device-independent bitmap (the file
without its 14-byte file header, as a BITMAP resource holds it), LZSS-packed.

Format, which ui/components/logic/PackedPicture.cpp unpacks: the unpacked size (4 bytes, little
endian), then groups of one flag byte and up to eight items, bit 0 first. A clear bit is one
literal byte; a set bit a copy of earlier output in two bytes (little endian): the distance
back minus one in the upper 11 bits, the length minus 3 in the lower 5.

Usage: pack_picture.py picture.bmp packed.lz
"""
import sys

LENGTH_BITS = 5
MIN_MATCH = 3
MAX_MATCH = MIN_MATCH + (1 << LENGTH_BITS) - 1
WINDOW = 1 << (16 - LENGTH_BITS)
CHAIN = 256


def pack(data):
    out = bytearray(len(data).to_bytes(4, "little"))
    starts = {}  # three bytes -> positions they start at, oldest first
    i = 0

    def remember(pos):
        starts.setdefault(bytes(data[pos:pos + MIN_MATCH]), []).append(pos)

    while i < len(data):
        flag_at = len(out)
        out.append(0)
        for bit in range(8):
            if i >= len(data):
                break
            best, distance = 0, 0
            for j in reversed(starts.get(bytes(data[i:i + MIN_MATCH]), [])[-CHAIN:]):
                if i - j > WINDOW:
                    break
                length = 0
                while length < MAX_MATCH and i + length < len(data) and \
                        data[j + length] == data[i + length]:
                    length += 1
                if length > best:
                    best, distance = length, i - j
                if length == MAX_MATCH:
                    break
            if best >= MIN_MATCH:
                value = (distance - 1) << LENGTH_BITS | (best - MIN_MATCH)
                out += value.to_bytes(2, "little")
                out[flag_at] |= 1 << bit
                for k in range(best):
                    remember(i + k)
                i += best
            else:
                out.append(data[i])
                remember(i)
                i += 1
    return bytes(out)


def main():
    source, target = sys.argv[1], sys.argv[2]
    data = open(source, "rb").read()
    if data[:2] != b"BM":
        sys.exit(f"{source} is no .bmp file")
    with open(target, "wb") as f:
        f.write(pack(data[14:]))


if __name__ == "__main__":
    main()
