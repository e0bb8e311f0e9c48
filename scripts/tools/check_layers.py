#!/usr/bin/env python3
"""Fails on an include against the layers, for the files of one library (CMake runs it before
it builds each layer's library).

The layers, top to bottom: app -> ui -> backup -> config -> platform. A file may include only
headers of its own layer and of the layers below it, and portable code only portable code
(platform/win32 is the Win32 part of the platform layer; ui and app have Win32 parts and
portable logic folders). Every include is written from the repository root ("backup/Steps.h"),
so the include directories cannot keep a layer to this; this check reads the includes instead.

Prints one line per offending include, file:line first as a compiler does, and exits with 1;
with --stamp it touches that file when all is well, so the build runs it again only when one
of the files changed.
"""
import argparse
import os
import re
import sys

ORDER = ["app", "ui", "backup", "config", "platform"]
# A file belongs to the longest of these folders (or files) its path starts with. The toolkit's
# event handlers are a portable header: the components' portable logic fires its events
# through them.
PORTABLE = ["config", "backup", "platform", "ui/setup/logic", "ui/components/logic",
            "ui/progress/logic", "app/logic", "ui/toolkit/Handler.h"]
WIN32 = ["platform/win32", "ui", "app"]

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def part_of(path):
    """(layer, portable) of a path from the repository root, or None outside the layers."""
    found = None
    for folder in PORTABLE + WIN32:
        inside = path == folder or path.startswith(folder + "/")
        if inside and (found is None or len(folder) > len(found)):
            found = folder
    if found is None:
        return None
    return found.split("/")[0], found in PORTABLE


def problem(own, target):
    """Why the file of part own may not include target, or None when it may."""
    if own is None:
        return None
    to = part_of(target)
    if to is None:
        return "it belongs to no layer of the program"
    if ORDER.index(to[0]) < ORDER.index(own[0]):
        return f"{to[0]} is a layer above {own[0]} (app -> ui -> backup -> config -> platform)"
    if own[1] and not to[1]:
        return "portable code includes no Win32 code"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", required=True, help="the repository root")
    parser.add_argument("--stamp", help="file to touch when no include runs against the layers")
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()

    failures = 0
    for file in args.files:
        path = os.path.relpath(file, args.root).replace(os.sep, "/")
        own = part_of(path)
        with open(file, encoding="utf-8", errors="replace") as text:
            for number, line in enumerate(text, 1):
                match = INCLUDE.match(line)
                why = match and problem(own, match.group(1))
                if why:
                    print(f"{path}:{number}: error: includes {match.group(1)}: {why}",
                          file=sys.stderr)
                    failures += 1
    if failures:
        return 1
    if args.stamp:
        os.makedirs(os.path.dirname(args.stamp) or ".", exist_ok=True)
        with open(args.stamp, "w"):
            pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
