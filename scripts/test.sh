#!/usr/bin/env bash
# Runs every test: the native unit tests (with sanitizers), the fuzz targets for a few seconds
# each (FUZZ_SECONDS, when clang with libFuzzer is there), then the Windows-side tests under
# Wine on a virtual display, and saves the screenshots as PNG under build/screenshots/; then the
# i686 talvek.exe we ship: the Windows-side suite runs on it where 32-bit programs run, else a
# smoke set of its end-to-end tests runs through qemu-user (i686-qemu.sh).
# Extra arguments go to the Windows-side test program (e.g. --gtest_filter=Progress*).
# The end-to-end suites then run once more under a Wine that says it is Windows 95 (a filter
# given here chooses what that run repeats).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
[ "${CI:-}" = true ] || bash "$ROOT/scripts/setup.sh" || die "the packages could not be installed (see above)"
source "$ROOT/scripts/lib/build-tree.sh"
source "$ROOT/scripts/lib/wine-env.sh"
export JOBS=${JOBS:-2}
failed_stage=0

# The i686 exe and how it runs here. Through qemu, its 32-bit prefix boots in the background while
# the other stages run (half a minute, once per machine: it is kept for every later run).
I686_SMOKE='ProgressWindow.MissingConfigurationShowsTheMessageAndEnds'
I686_SMOKE+=':BackupEndToEnd.TheFirstDueRunAfterSetupThenASecondStartTheSameDay'
I686_SMOKE+=':SetupDialog.FirstStartShowsTheDefaultsOffersTheSystemFilesAndAppliesTheSampleSetup'
# TALVEK_I686_TESTS='*' runs the whole suite there instead (about three minutes under qemu 10);
# TALVEK_I686=off leaves the qemu stage out (a quick run while working on one thing).
I686_TESTS=${TALVEK_I686_TESTS:-$I686_SMOKE}
boot_pid=""
as95_set=""
cleanup() {
    [ -n "$boot_pid" ] && kill -- "-$boot_pid" 2>/dev/null
    [ -n "$as95_set" ] && wine_version_win95 off
    stop_display
}
trap cleanup EXIT
if [ "$WINE_ARCH" = win32 ]; then
    i686_mode=native
elif [ "${TALVEK_I686:-}" = off ]; then
    i686_mode="not run: TALVEK_I686=off"
elif [ "$(id -u)" -ne 0 ]; then
    i686_mode="not run: this machine runs no 32-bit code, and qemu-user needs root to run it"
elif ! /usr/bin/qemu-i386 --version 2>/dev/null | grep -q '^qemu-i386 version \([1-9][0-9]\|9\)\.'; then
    i686_mode="not run: this machine runs no 32-bit code, and qemu-i386 9 or later is missing (setup.sh installs it)"
else
    i686_mode=qemu
    mkdir -p "$BUILD"
    start_display
    setsid bash "$ROOT/scripts/lib/qemu-i386.sh" bash "$ROOT/scripts/lib/i686-qemu.sh" boot \
        > "$BUILD/i686_boot.log" 2>&1 &
    boot_pid=$!
fi

# The passed and failed counts of a GoogleTest run's output, "P F"; a run that ended badly
# without naming a failed test counts as one failure.
gtest_counts() { # output exit-code
    local passed failed
    passed=$(echo "$1" | sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' | tail -1)
    failed=$(echo "$1" | sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' | tail -1)
    passed=${passed:-0}
    failed=${failed:-0}
    if [ "$2" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
    echo "$passed $failed"
}

echo "== native unit tests"
configure "$BUILD/native"
build "$BUILD/native" all
native_out=$(cd "$BUILD/native" && ctest --output-on-failure -j"$JOBS" 2>&1)
native_rc=$?
echo "$native_out" | grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' | tail -n 40
native_total=$(echo "$native_out" | sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' | tail -1)
native_failed=$(echo "$native_out" | sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' | tail -1)
native_total=${native_total:-0}
native_failed=${native_failed:-0}
[ "$native_rc" -eq 0 ] || [ "$native_failed" -gt 0 ] || { native_failed=1; failed_stage=1; }

echo "== fuzz targets"
fuzz_passed=0
fuzz_failed=0
probe=$(mktemp)
if echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o "$probe" 2>/dev/null; then
    fuzz_out=$(JOBS=$JOBS bash "$ROOT/scripts/fuzz.sh" "${FUZZ_SECONDS:-5}" 2>&1)
    fuzz_rc=$?
    echo "$fuzz_out" | tail -n 60
    fuzz_passed=$(echo "$fuzz_out" | grep -c '^PASS ')
    fuzz_failed=$(echo "$fuzz_out" | grep -c '^FAIL ')
    [ "$fuzz_rc" -eq 0 ] || [ "$fuzz_failed" -gt 0 ] || { fuzz_failed=1; failed_stage=1; }
else
    echo "no clang with libFuzzer: fuzz targets skipped"
fi
rm -f "$probe"

echo "== cross builds"
# The program we ship: i686, Windows 95 and later; its tests too where they run through qemu.
configure "$BUILD/win32" "$ROOT/cmake/mingw-i686.cmake"
if [ "$i686_mode" = qemu ]; then build "$BUILD/win32" talvek win32_tests; else build "$BUILD/win32" talvek; fi
# The build the Windows-side tests run (the same one where 32-bit programs can run).
configure "$WIN_BUILD" "$WIN_TOOLCHAIN"
build "$WIN_BUILD" talvek win32_tests
# The shipped exe's imports and instructions count as one test, so a failure shows in the total.
win95_failed=0
python3 "$ROOT/scripts/tools/check_win95.py" "$BUILD/win32/talvek.exe" --map "$BUILD/win32/talvek.map" ||
    win95_failed=1

echo "== Windows-side tests under Wine ($WINE_ARCH)"
start_display
prepare_prefix
wine_version_win95 off # left behind by a run that was cut short
stage_programs "$WIN_BUILD" talvek.exe win32_tests.exe bench_floor.exe
# The test user writes the screenshots into the place; they are kept in build/screenshots.
shots=$PLACE/screenshots
mkdir -p "$shots" "$BUILD/screenshots"
rm -f "$shots"/*.bmp
give_to_test_user "$shots"
export TALVEK_SCREENSHOTS="Z:$(echo "$shots" | tr / '\\')"
(cd "$RUN_DIR" && timeout 1500 "${RUN_AS[@]}" env HOME="$WINEPREFIX" "$WINE" ./win32_tests.exe "$@") \
    > "$BUILD/win32_tests.log" 2>&1
win_rc=$?
win_out=$(tr -d '\r' < "$BUILD/win32_tests.log")
echo "$win_out" | grep -E '^\[ +(RUN|OK|FAILED|PASSED|SKIPPED) +\]|Failure|error:|Expected|Which is|actual|Value of|  [A-Za-z].*' | grep -v '^\[ RUN' | tail -n 400
read -r win_passed win_failed <<< "$(gtest_counts "$win_out" "$win_rc")"

for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    png=$BUILD/screenshots/$(basename "${bmp%.bmp}").png
    convert "$bmp" "$png" && rm -f "$bmp"
done
ls "$BUILD"/screenshots/*.png 2>/dev/null | sed 's/^/screenshot: /'

# Wine says it is a recent Windows unless told otherwise, and we ship for Windows 95: the
# end-to-end suites run again with Wine's version set to Windows 95 (as winecfg sets it), so
# every version check, ours and Wine's, takes the Windows 95 way. They show nothing new to
# keep: no screenshots.
echo "== end-to-end tests under Wine as Windows 95"
as95_set=1
wine_version_win95 on
(cd "$RUN_DIR" && TALVEK_SCREENSHOTS="" timeout 1500 "${RUN_AS[@]}" env HOME="$WINEPREFIX" "$WINE" \
    ./win32_tests.exe --gtest_filter='BackupEndToEnd*:Rotation*:SetupDialog*:ProgressWindow*' "$@") \
    > "$BUILD/win32_tests_win95.log" 2>&1
as95_rc=$?
wine_version_win95 off
as95_set=""
as95_out=$(tr -d '\r' < "$BUILD/win32_tests_win95.log")
echo "$as95_out" | grep -E '^\[ +(OK|FAILED|PASSED) +\]|Failure|Expected|Which is|Value of' | grep -v '^\[ RUN' | tail -n 200
read -r as95_passed as95_failed <<< "$(gtest_counts "$as95_out" "$as95_rc")"

echo "== i686 talvek.exe"
i686_passed=0
i686_failed=0
case "$i686_mode" in
native)
    i686_how="the Windows-side suite above, natively under 32-bit Wine"
    ;;
qemu)
    boot_rc=0
    wait "$boot_pid" || boot_rc=$?
    boot_pid=""
    cat "$BUILD/i686_boot.log"
    t0=$(date +%s)
    if [ "$boot_rc" -ne 0 ]; then
        i686_failed=1
    else
        bash "$ROOT/scripts/lib/qemu-i386.sh" bash "$ROOT/scripts/lib/i686-qemu.sh" run "$I686_TESTS" \
            > "$BUILD/i686_tests.log" 2>&1
        i686_rc=$?
        i686_out=$(tr -d '\r' < "$BUILD/i686_tests.log")
        echo "$i686_out" | grep -E '^\[ +(OK|FAILED|PASSED) +\]|Failure|Expected|Which is|Value of|^[a-z0-9_.-]+\.sh: ' | tail -n 100
        read -r i686_passed i686_failed <<< "$(gtest_counts "$i686_out" "$i686_rc")"
    fi
    booted=$(sed -n 's/^booted the 32-bit prefix .* in \([0-9]*\) s$/32-bit prefix booted in \1 s/p' "$BUILD/i686_boot.log")
    what="smoke set"
    [ "$I686_TESTS" = "$I686_SMOKE" ] || what="tests $I686_TESTS"
    i686_how="$what through qemu-user in $(($(date +%s) - t0)) s, ${booted:-32-bit prefix from the cache}; see build/i686_tests.log"
    ;;
*)
    i686_how="$i686_mode; only the static checks above"
    ;;
esac

echo "== release package"
package_failed=0
{ bash "$ROOT/scripts/package.sh" && bash "$ROOT/tests/package/check_package.sh" \
    "$(ls "$BUILD"/dist/talvek95-*.zip)"; } || package_failed=1

[ "$i686_mode" = native ] && { i686_passed=$win_passed; i686_failed=$win_failed; }
# Natively the i686 line repeats the Windows-side counts; only the qemu smoke set adds tests.
extra_passed=0
extra_failed=0
[ "$i686_mode" = qemu ] && { extra_passed=$i686_passed; extra_failed=$i686_failed; }
passed=$((native_total - native_failed + fuzz_passed + win_passed + as95_passed + extra_passed + 1 -
    package_failed + 1 - win95_failed))
failed=$((native_failed + fuzz_failed + win_failed + as95_failed + extra_failed + package_failed +
    win95_failed))
echo
echo "native: $((native_total - native_failed)) passed, $native_failed failed;" \
    "fuzz: $fuzz_passed passed, $fuzz_failed failed; windows: $win_passed passed, $win_failed failed;" \
    "as Windows 95: $as95_passed passed, $as95_failed failed"
echo "i686: $i686_passed passed, $i686_failed failed ($i686_how)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$failed_stage" -eq 0 ]
