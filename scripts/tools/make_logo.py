#!/usr/bin/env python3
"""Draws the about page's logo, resources/logo.bmp (465 x 217, run by hand; the result is
committed). The right half stays black: the link labels and the credits banner sit there.
Stored as an RLE8 bitmap with the palette's colours (scripts/tools/rle_bitmap.py)."""
import pathlib, subprocess
from rle_bitmap import compress

res = pathlib.Path(__file__).resolve().parents[2] / "resources"
BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
REGULAR = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"

subprocess.run([
    "convert", "-size", "465x217", "xc:black",
    # A floppy disk on a dark blue glow, the tool's emblem.
    "(", "-size", "230x217", "radial-gradient:#102060-black", ")",
    "-geometry", "+0+0", "-composite",
    "-fill", "#3050A0", "-stroke", "#8090C0", "-strokewidth", "2",
    "-draw", "roundrectangle 55,45 175,165 8,8",
    "-fill", "#C0C0C0", "-stroke", "none", "-draw", "rectangle 80,45 150,90",
    "-fill", "#3050A0", "-draw", "rectangle 128,52 142,84",
    "-fill", "white", "-draw", "rectangle 72,110 158,165",
    "-fill", "#606060", "-draw", "line 80,124 150,124", "-draw", "line 80,138 150,138",
    "-draw", "line 80,152 150,152",
    # The name and a line under it, right of the emblem.
    "-fill", "white", "-font", BOLD, "-pointsize", "40", "-annotate", "+244+58", "Talvek 95",
    "-fill", "#A0A0A0", "-font", REGULAR, "-pointsize", "13",
    "-annotate", "+246+78", "Sicherung der Systemdateien",
    # Undithered colours (a coarse colour tree keeps the glow smooth with about 100 of them)
    # lie in long runs along each row, which the RLE8 form stores in a quarter of the bytes.
    "+dither", "-treedepth", "6", "-colors", "256", "-type", "Palette", "-compress", "None",
    f"BMP3:{res / 'logo.bmp'}",
], check=True)
compress(res / "logo.bmp")
