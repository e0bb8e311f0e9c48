# Sourced by the scripts: the Wine to use, a project-local prefix, a virtual X display.
# This machine may run only 64-bit code (no 32-bit emulation in its kernel); then the
# Windows-side tests run an x86_64 build of the same sources under 64-bit Wine. Where 32-bit
# programs run, the i686 build (the one we ship) is tested under 32-bit Wine.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD=${BUILD:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE=/usr/lib/wine/wine
    WINE_ARCH=win32
    WIN_BUILD=$BUILD/win32
    WIN_TOOLCHAIN=$ROOT/cmake/mingw-i686.cmake
    export WINEARCH=win32
else
    WINE=/usr/lib/wine/wine64
    WINE_ARCH=win64
    WIN_BUILD=$BUILD/win64
    WIN_TOOLCHAIN=$ROOT/cmake/mingw-x86_64.cmake
    export WINEARCH=win64
fi
export WINELOADER=$WINE
WINESERVER=/usr/lib/wine/wineserver

# Starts Xvfb on a free display unless one is given; sets DISPLAY and XVFB_PID.
start_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    local n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        sleep 1
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return
        fi
    done
    echo "no free X display for Xvfb" >&2
    return 1
}

stop_display() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Creates the prefix once (about 10 s); later runs reuse it.
prepare_prefix() {
    if [ ! -d "$WINEPREFIX/drive_c/windows" ] || [ "$(cat "$WINEPREFIX/.talvek-arch" 2>/dev/null)" != "$WINE_ARCH" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$WINE" wineboot -i >/dev/null 2>&1
        "$WINESERVER" -w
        echo "$WINE_ARCH" > "$WINEPREFIX/.talvek-arch"
    fi
}
