#!/usr/bin/env bash
# Checks the release package as a Windows 95 user gets it: exactly the 32-bit talvek.exe and
# LIESMICH.TXT, the manual in the Windows code page with CR LF lines and the same text as
# docs/LIESMICH.txt.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
zip=$1
fail=0
problem() { echo "package: $*"; fail=1; }

names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$names" = "LIESMICH.TXT talvek.exe " ] || problem "holds '$names', not LIESMICH.TXT and talvek.exe"

# The PE header's machine field: 014c is i386, which Windows 95 runs; 8664 would not start there.
exe=$(mktemp)
unzip -p "$zip" talvek.exe > "$exe"
pe=$(od -An -t u4 -j 60 -N 4 "$exe" | tr -d ' ')
machine=$(od -An -t x2 -j $((pe + 4)) -N 2 "$exe" | tr -d ' ')
rm -f "$exe"
[ "$machine" = 014c ] || problem "talvek.exe is not an i386 program (machine $machine)"

manual=$(mktemp)
unzip -p "$zip" LIESMICH.TXT > "$manual"
bare=$(LC_ALL=C grep -c -v $'\r$' "$manual")
[ "$bare" -eq 0 ] || problem "LIESMICH.TXT has $bare lines without CR LF"
LC_ALL=C grep -q $'\xdc' "$manual" || problem "LIESMICH.TXT has no CP1252 \"Ü\" (byte DC)"
iconv -f CP1252 -t UTF-8 "$manual" | tr -d '\r' | cmp -s - "$ROOT/docs/LIESMICH.txt" ||
    problem "LIESMICH.TXT read as CP1252 differs from docs/LIESMICH.txt"
rm -f "$manual"

[ "$fail" -eq 0 ] && echo "package: $zip holds talvek.exe (i386) and LIESMICH.TXT (CP1252, CR LF)"
exit "$fail"
