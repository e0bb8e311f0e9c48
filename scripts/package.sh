#!/usr/bin/env bash
# Builds the release for Windows users: build/dist/talvek95-<version>.zip with the i686
# talvek.exe and the manual LIESMICH.TXT, converted from docs/LIESMICH.txt (UTF-8, LF) to the
# Windows code page with CR LF lines, as Notepad on Windows 95 reads it.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
[ "${CI:-}" = true ] || bash "$ROOT/scripts/setup.sh"
version=$(sed -n 's/.*"ProductVersion", "\([0-9.]*\)\\0".*/\1/p' "$ROOT/resources/talvek.rc")
[ -n "$version" ] || { echo "no ProductVersion in resources/talvek.rc" >&2; exit 1; }

cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD/win32" -j"${JOBS:-2}" --target talvek >/dev/null

stage="$BUILD/dist/talvek95-$version"
zip="$BUILD/dist/talvek95-$version.zip"
rm -rf "$BUILD/dist" # only this script writes there; an older version's zip goes too
mkdir -p "$stage"
cp "$BUILD/win32/talvek.exe" "$stage/talvek.exe"
# iconv fails on a character the code page lacks, so the manual cannot lose one unseen.
sed 's/$/\r/' "$ROOT/docs/LIESMICH.txt" | iconv -f UTF-8 -t CP1252 > "$stage/LIESMICH.TXT"
(cd "$stage" && zip -q -X "$zip" talvek.exe LIESMICH.TXT)
echo "release package: $zip"
