#!/usr/bin/env bash
# The i686 talvek.exe on a machine whose kernel runs no 32-bit code; test.sh runs this through
# qemu-i386.sh, as root (Wine itself runs as the test user).
#   i686-qemu.sh boot          makes the booted 32-bit prefix once per machine (half a minute
#                              under qemu 10) and keeps it in /var/tmp for every clone
#   i686-qemu.sh run FILTER    runs the Windows-side tests of FILTER, built for i686 in
#                              build/win32, in a fresh copy of that prefix in the clone's place
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
source "$ROOT/scripts/lib/wine-env.sh"
use_wine win32
[ -n "$TEST_USER" ] || die "the i686 stage through qemu runs only as root"
CACHE=/var/tmp/talvek95-i686-$TEST_USER
BOOT_SECONDS=${TALVEK_I686_BOOT_SECONDS:-600}

boot() {
    local stamp t0
    test_user_folder "$CACHE"
    # One boot at a time, whichever clone asks.
    exec 8<"$CACHE"
    flock 8
    export WINEPREFIX=$CACHE/wineprefix
    stamp="win32 $TEST_USER $("$WINE" --version)"
    if [ -d "$WINEPREFIX/drive_c/windows" ] && [ "$(cat "$CACHE/stamp" 2>/dev/null)" = "$stamp" ]; then
        return
    fi
    rm -rf "$WINEPREFIX" "$CACHE/stamp"
    mkdir -p "$WINEPREFIX"
    give_to_test_user "$WINEPREFIX"
    t0=$(date +%s)
    (cd "$CACHE" && timeout "$BOOT_SECONDS" "${RUN_AS[@]}" env HOME="$WINEPREFIX" "$WINE" wineboot -i \
        >"$CACHE/wineboot.log" 2>&1) ||
        die "32-bit Wine did not boot its prefix through qemu within $BOOT_SECONDS s (see $CACHE/wineboot.log)"
    # Everything the boot started must end by itself: the wineserver writes the registry to disk
    # when the last process leaves, and a copy taken before would miss part of it.
    timeout "$BOOT_SECONDS" "${RUN_AS[@]}" env HOME="$WINEPREFIX" "$WINESERVER" -w ||
        die "the processes of the 32-bit boot did not end within $BOOT_SECONDS s"
    echo "$stamp" > "$CACHE/stamp"
    echo "booted the 32-bit prefix $WINEPREFIX through qemu in $(($(date +%s) - t0)) s"
}

run() { # filter
    local t0
    boot
    exec 8<&-
    t0=$(date +%s)
    make_place
    export WINEPREFIX=$PLACE/i686-wineprefix
    rm -rf "$WINEPREFIX"
    cp -a "$CACHE/wineprefix" "$WINEPREFIX" || die "cannot copy the 32-bit prefix from $CACHE"
    stage_programs "$BUILD/win32" talvek.exe win32_tests.exe
    start_display
    trap stop_display EXIT
    (cd "$RUN_DIR" && timeout "${TALVEK_I686_RUN_SECONDS:-1200}" "${RUN_AS[@]}" env HOME="$WINEPREFIX" \
        "$WINE" ./win32_tests.exe --gtest_filter="$1")
    local rc=$?
    echo "i686 tests: $(($(date +%s) - t0)) s"
    return "$rc"
}

case "${1:-}" in
boot) boot ;;
run) run "${2:?filter}" ;;
*) die "usage: $0 boot | run FILTER" ;;
esac
