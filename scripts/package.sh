#!/usr/bin/env bash
# Builds the release for Windows users: build/dist/talvek95-<version>.zip with the i686
# talvek.exe and the manual LIESMICH.TXT, converted from docs/LIESMICH.txt (UTF-8, LF) to the
# Windows code page with CR LF lines, as Notepad on Windows 95 reads it.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
stop_on_failure
[ "${CI:-}" = true ] || bash "$ROOT/scripts/setup.sh" || die "the packages could not be installed (see above)"
source "$ROOT/scripts/lib/build-tree.sh"
version=$(sed -n 's/.*"ProductVersion", "\([0-9.]*\)\\0".*/\1/p' "$ROOT/resources/talvek.rc")
[ -n "$version" ] || die "no ProductVersion in resources/talvek.rc; the version block must name one"

configure "$BUILD/win32" "$ROOT/cmake/mingw-i686.cmake"
build "$BUILD/win32" talvek

stage="$BUILD/dist/talvek95-$version"
zip="$BUILD/dist/talvek95-$version.zip"
rm -rf "$BUILD/dist" # only this script writes there; an older version's zip goes too
mkdir -p "$stage"
cp "$BUILD/win32/talvek.exe" "$stage/talvek.exe"
# iconv fails on a character the code page lacks, so the manual cannot lose one unseen.
sed 's/$/\r/' "$ROOT/docs/LIESMICH.txt" | iconv -f UTF-8 -t CP1252 > "$stage/LIESMICH.TXT" ||
    die "docs/LIESMICH.txt has a character the Windows code page lacks (iconv above names it); replace it"
(cd "$stage" && zip -q -X "$zip" talvek.exe LIESMICH.TXT) || die "zip could not write $zip"
echo "release package: $zip"
