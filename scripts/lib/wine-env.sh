# Sourced by the scripts (after fail.sh): the Wine to use, a project-local prefix, a virtual X
# display, and the user and the place Wine runs with.
# This machine may run only 64-bit code (no 32-bit emulation in its kernel); then the
# Windows-side tests run an x86_64 build of the same sources under 64-bit Wine, and test.sh runs
# a smoke set on the i686 exe through qemu-user. Where 32-bit programs run, the i686 build (the
# one we ship) is tested under 32-bit Wine. TALVEK_I686=qemu makes a machine that runs 32-bit
# code take the road of one that does not, so that road can be tried anywhere.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BUILD=${BUILD:-$ROOT/build}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
WINESERVER=/usr/lib/wine/wineserver

# The build of the same sources for this machine's Wine: i686 where 32-bit programs run.
use_wine() { # win32|win64
    WINE_ARCH=$1
    export WINEARCH=$1
    if [ "$1" = win32 ]; then
        WINE=/usr/lib/wine/wine
        WIN_BUILD=$BUILD/win32
        WIN_TOOLCHAIN=$ROOT/cmake/mingw-i686.cmake
    else
        WINE=/usr/lib/wine/wine64
        WIN_BUILD=$BUILD/win64
        WIN_TOOLCHAIN=$ROOT/cmake/mingw-x86_64.cmake
    fi
    export WINELOADER=$WINE
}
if [ "${TALVEK_I686:-}" != qemu ] && [ -x /usr/lib/wine/wine ] &&
    /usr/lib/wine/wine --version >/dev/null 2>&1; then
    use_wine win32
else
    use_wine win64
fi

# Wine lets root write to read-only files, so under root the programs run as an ordinary user:
# only then does a write-protected file behave as it does for a Windows user. That user may be
# unable to enter the clone (one below /root, mode 700), so it gets a place of its own outside
# the clone, named after the clone's path: the prefix, copies of the programs it runs and the
# screenshots live there. Nothing above the clone or that place changes its permissions. An
# ordinary user runs Wine itself, in build/.
RUN_AS=()
TEST_USER=""
PLACE=$BUILD
if [ "$(id -u)" -eq 0 ]; then
    TEST_USER=${TEST_USER_NAME:-talvektest}
    id "$TEST_USER" >/dev/null 2>&1 || useradd -M -d /nonexistent -s /usr/sbin/nologin "$TEST_USER" ||
        die "could not create the user $TEST_USER that runs Wine (useradd failed); create it by hand"
    RUN_AS=(runuser -u "$TEST_USER" -m --)
    PLACE=/var/tmp/talvek95-$(printf '%s' "$ROOT" | sha1sum | cut -c1-12)
fi
# The user's prefix is run.sh's alone: the tests and benchmarks delete the configuration and
# the record sets of theirs, so they get a prefix of their own beside it.
export WINEPREFIX=$PLACE/${TALVEK_PREFIX:-testprefix}
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

# Hands files and folders of the place to the user the tests run as.
give_to_test_user() {
    [ -n "$TEST_USER" ] && chown -R "$TEST_USER" "$@"
    return 0
}

# Makes a folder of the test user in /var/tmp, or checks that the one found is its own (anybody
# could have made it first).
test_user_folder() { # path
    if [ ! -e "$1" ]; then
        mkdir -m 755 "$1" && chown "$TEST_USER" "$1" ||
            die "cannot create $1 for the user $TEST_USER; check that /var/tmp is writable"
    fi
    [ -d "$1" ] && [ ! -L "$1" ] && [ "$(stat -c %U "$1")" = "$TEST_USER" ] ||
        die "$1 is not a folder of $TEST_USER; remove it (rm -rf $1) and run again"
}

make_place() {
    if [ -n "$TEST_USER" ]; then
        test_user_folder "$PLACE"
    else
        mkdir -p "$PLACE" || die "cannot create $PLACE; check that the clone is writable"
    fi
}

# Puts the programs Wine is to run where the test user can reach them and sets RUN_DIR to that
# folder: the build folder itself for an ordinary user, a copy in the place under root.
stage_programs() { # build-folder file...
    local from=$1 file
    shift
    if [ -z "$TEST_USER" ]; then
        RUN_DIR=$from
        return
    fi
    RUN_DIR=$PLACE/programs-$(basename "$from")
    mkdir -p "$RUN_DIR" || die "cannot create $RUN_DIR"
    for file in "$@"; do
        cp "$from/$file" "$RUN_DIR/$file.new" && mv "$RUN_DIR/$file.new" "$RUN_DIR/$file" ||
            die "cannot copy $from/$file to $RUN_DIR; was it built?"
    done
    give_to_test_user "$RUN_DIR"
}

# Starts Xvfb on a free display unless one is given; sets DISPLAY and XVFB_PID.
start_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    command -v Xvfb >/dev/null || die "no X server: the program Xvfb is missing; install it (bash scripts/setup.sh, package xvfb)"
    local n i log
    log=$(mktemp)
    for n in $(seq 90 130); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
        XVFB_PID=$!
        # Ready when it answers; gone when another one took the display first.
        for _ in $(seq 1 50); do
            DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$XVFB_PID" 2>/dev/null && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
            export DISPLAY=":$n"
            rm -f "$log"
            return
        fi
        kill "$XVFB_PID" 2>/dev/null || true
        # Another display's lock is worth the next number; any other failure is not.
        grep -q -i 'server is already active\|lock' "$log" || break
    done
    XVFB_PID=""
    die "the X server Xvfb did not start ($(grep -v '^$' "$log" | tail -1)); check that Xvfb runs: Xvfb :99"
}

stop_display() {
    as_test_user "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Creates the prefix once (about 10 s); later runs reuse it.
prepare_prefix() {
    make_place
    # A prefix made for another architecture or by another user (its profile folders would
    # belong to that user) is made anew.
    local stamp="$WINE_ARCH ${TEST_USER:-$(id -un)}"
    if [ ! -d "$WINEPREFIX/drive_c/windows" ] || [ "$(cat "$WINEPREFIX/.talvek-arch" 2>/dev/null)" != "$stamp" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        give_to_test_user "$WINEPREFIX"
        (cd "$PLACE" && as_test_user "$WINE" wineboot -i >"$PLACE/wineboot.log" 2>&1) ||
            die "Wine could not make its prefix $WINEPREFIX as ${TEST_USER:-$(id -un)} (see $PLACE/wineboot.log); check that $WINE --version runs"
        as_test_user "$WINESERVER" -w
        echo "$stamp" > "$WINEPREFIX/.talvek-arch"
    fi
    give_to_test_user "$WINEPREFIX"
}

# Sets Wine's version for the prefix to Windows 95, or back to Wine's own: the value winecfg
# writes, read by every Wine process that starts later.
wine_version_win95() { # on|off
    if [ "$1" = on ]; then
        as_test_user "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win95 /f
    else
        as_test_user "$WINE" reg delete 'HKCU\Software\Wine' /v Version /f
    fi >/dev/null 2>&1
    return 0
}

# For the benchmarks: builds the Windows-side test program, talvek.exe and the floor program
# (tests/bench) in BENCH_BUILD, starts the display and the prefix, and runs the disabled
# benchmark tests that match the filter, keeping the lines that match the pattern.
run_bench_tests() { # filter pattern
    BENCH_BUILD=${BENCH_BUILD:-$WIN_BUILD}
    configure "$BENCH_BUILD" "$WIN_TOOLCHAIN"
    build "$BENCH_BUILD" talvek win32_tests bench_floor
    start_display
    trap stop_display EXIT
    prepare_prefix
    stage_programs "$BENCH_BUILD" talvek.exe win32_tests.exe bench_floor.exe
    (cd "$RUN_DIR" && as_test_user "$WINE" ./win32_tests.exe --gtest_also_run_disabled_tests \
        --gtest_filter="$1" 2>&1 | tr -d '\r' | grep -E "$2|FAILED|PASSED")
}
