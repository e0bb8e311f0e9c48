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

# Wine lets root write to read-only files, so under root the programs run as an ordinary user:
# only then does a write-protected file behave as it does for a Windows user.
RUN_AS=()
if [ "$(id -u)" -eq 0 ]; then
    TEST_USER=${TEST_USER:-talvektest}
    id "$TEST_USER" >/dev/null 2>&1 || useradd -M -d /nonexistent -s /usr/sbin/nologin "$TEST_USER"
    RUN_AS=(runuser -u "$TEST_USER" -m --)
fi
# The program speaks German, so Wine does too: it takes its language from the locale (message
# box buttons "Ja", "Nein", German file dialogs). Only Wine gets it; the scripts' own tools keep
# theirs (awk would print decimal commas). setup.sh generates the locale.
if locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    RUN_AS+=(env LC_ALL=de_DE.UTF-8)
else
    echo "note: the locale de_DE.UTF-8 is missing (scripts/setup.sh makes it); Wine runs in English" >&2
fi

# Runs a command (Wine and the programs under it) as the user the tests run as, in German.
as_test_user() {
    "${RUN_AS[@]}" env HOME="$WINEPREFIX" "$@"
}

# Hands a folder the tests write into to that user.
give_to_test_user() {
    [ -n "${TEST_USER:-}" ] && chown -R "$TEST_USER" "$@"
    return 0
}

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
    as_test_user "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Creates the prefix once (about 10 s); later runs reuse it.
prepare_prefix() {
    # A prefix made for another architecture or by another user (its profile folders would
    # belong to that user) is made anew.
    local stamp="$WINE_ARCH ${TEST_USER:-$(id -un)}"
    if [ ! -d "$WINEPREFIX/drive_c/windows" ] || [ "$(cat "$WINEPREFIX/.talvek-arch" 2>/dev/null)" != "$stamp" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        give_to_test_user "$WINEPREFIX"
        as_test_user "$WINE" wineboot -i >/dev/null 2>&1
        as_test_user "$WINESERVER" -w
        echo "$stamp" > "$WINEPREFIX/.talvek-arch"
    fi
    give_to_test_user "$WINEPREFIX"
}

# For the benchmarks: builds the Windows-side test program, talvek.exe and the floor program
# (tests/bench) in BENCH_BUILD, starts the display and the prefix, and runs the disabled
# benchmark tests that match the filter, keeping the lines that match the pattern.
run_bench_tests() { # filter pattern
    BENCH_BUILD=${BENCH_BUILD:-$WIN_BUILD}
    cmake -S "$ROOT" -B "$BENCH_BUILD" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$BENCH_BUILD" -j"${JOBS:-2}" --target talvek win32_tests bench_floor >/dev/null
    start_display
    trap stop_display EXIT
    prepare_prefix
    (cd "$BENCH_BUILD" && as_test_user "$WINE" ./win32_tests.exe --gtest_also_run_disabled_tests \
        --gtest_filter="$1" 2>&1 | tr -d '\r' | grep -E "$2|FAILED|PASSED")
}
